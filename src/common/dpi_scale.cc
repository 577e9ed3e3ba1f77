#include "common/dpi_scale.h"

#include <cstdint>

namespace zerkon {

int UsableDpi(int dpi) {
    return dpi > 0 ? dpi : kDesignDpi;
}

int ScaleToDpi(int length, int dpi) {
    dpi = UsableDpi(dpi);
    if (dpi == kDesignDpi) return length;
    const std::int64_t product = static_cast<std::int64_t>(length) * dpi;
    const std::int64_t half = kDesignDpi / 2;
    const std::int64_t rounded =
        product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi);
    return static_cast<int>(rounded);
}

int ScaleFontHeight(int height, int dpi) {
    return ScaleToDpi(height, dpi);
}

LayoutRect ScaleRectToDpi(const LayoutRect& rect, int dpi) {
    const int left = ScaleToDpi(rect.left, dpi);
    const int top = ScaleToDpi(rect.top, dpi);
    return {left, top, ScaleToDpi(rect.left + rect.width, dpi) - left,
            ScaleToDpi(rect.top + rect.height, dpi) - top};
}

}  // namespace zerkon
