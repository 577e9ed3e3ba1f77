#pragma once
// The user's regional settings as Windows reports them (decimal, thousands and
// date separators), falling back to the Czech ones for anything it cannot tell.

#include "common/regional.h"

namespace zerkon {

RegionalSettings UserRegionalSettings();

}  // namespace zerkon
