#pragma once
// The ELDP XML export "eldp09.xml": the payroll program's templates filled
// with the export list, written for electronic filing.

#include <string>
#include <vector>

#include "common/file_system.h"
#include "eldp/eldp_export.h"
#include "eldp/eldp_xml_template.h"

namespace zerkon {

class MessageBoxes;

// The output lines, in order: the declaration and root of the template, then
// per record its sheet line, client block, rows container with one line per
// used row, employer line and sheet end, then the root's end.
std::vector<std::string> BuildEldpXml(const EldpExportList& list, const EldpMarkers& markers,
                                      const std::vector<std::string>& template_lines);

enum class EldpXmlStatus {
    kWritten,
    kMarkerFileMissing,   // told to the user; nothing written
    kTemplateMissing,     // error holds the file error; nothing written
    kOutputFolderFailed,  // nothing written, nothing told
    kWriteFailed,         // error holds the file error; an earlier export stays as it was
};

struct EldpXmlResult {
    EldpXmlStatus status = EldpXmlStatus::kWritten;
    std::string error;        // Windows-1250 text for the standard error dialog
    std::string output_file;  // the file's name as shown to the user
};

inline constexpr char kEldpMarkerFile[] = "ELDP09.src";
inline constexpr char kEldpTemplateFile[] = "ELDP09xml.src";
inline constexpr char kEldpXmlFile[] = "eldp09.xml";

// Reads the templates from source_folder, writes xml_output_folder +
// "eldp09.xml" (each line ended by CR LF, no byte-order mark) and tells the
// user where. Folders are program text with a trailing separator. The file is
// written with WriteReplacing: a read-only earlier export is replaced, and under
// any failure the earlier export stays whole.
EldpXmlResult WriteEldpXml(const EldpExportList& list, const std::string& source_folder,
                           const std::string& xml_output_folder, MessageBoxes& boxes,
                           FileSystem& files = RealFileSystem());

}  // namespace zerkon
