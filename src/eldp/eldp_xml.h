#pragma once
// The ELDP XML export "eldp09.xml": the payroll program's templates filled
// with the export list, written for electronic filing.

#include <string>
#include <vector>

#include "common/file_system.h"
#include "common/status.h"
#include "eldp/eldp_export.h"
#include "eldp/eldp_xml_template.h"

namespace zerkon {

// The output lines, in order: the declaration and root of the template, then
// per record its sheet line, client block, rows container with one line per
// used row, employer line and sheet end, then the root's end.
std::vector<std::string> BuildEldpXml(const EldpExportList& list, const EldpMarkers& markers,
                                      const std::vector<std::string>& template_lines);

inline constexpr char kEldpMarkerFile[] = "ELDP09.src";
inline constexpr char kEldpTemplateFile[] = "ELDP09xml.src";
inline constexpr char kEldpXmlFile[] = "eldp09.xml";

// Reads the templates from source_folder and writes xml_output_folder +
// "eldp09.xml" (each line ended by CR LF, no byte-order mark); gives the
// file's name as shown to the user. Folders are program text with a trailing
// separator. The file is written with WriteReplacing: a read-only earlier
// export is replaced, and under any failure the earlier export stays whole.
// Failures, nothing written: kNotFound "Program ZERKON nemůže najít data
// eldp09.xml" without the marker file; "Cannot open file ..." without the
// template; kCannotCreateFolder when the output folder cannot be made;
// "Cannot create file ..." when the file cannot be written.
Result<std::string> WriteEldpXml(FileSystem& files, const EldpExportList& list,
                                 const std::string& source_folder,
                                 const std::string& xml_output_folder);

}  // namespace zerkon
