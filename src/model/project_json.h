// The JSON form of a project: every stored field of the document, its
// topics, subjects, styles, help windows and global strings, so that
// .ehe -> JSON -> .ehe gives the identical file.
//
// Keys are the field names of the records ("projectName", "topics",
// "subjects", "typeCode", "style", ...). Counts are implied by the
// arrays; transient fields (snapshots, deleted topics, build tables,
// tree-walk marks) are not part of the form.
//
// Values:
// - strings are the Windows-1252 bytes of the model converted to UTF-8;
// - floats are the shortest decimal that reads back as the same 32-bit
//   value; a NaN or an infinity, which JSON cannot hold, is the string
//   "0x" followed by the eight hexadecimal digits of its bits;
// - `editBox` is an array of four numbers, `created` and `modified` are
//   seconds since 1970-01-01 UTC.
//
// Reading takes, for every absent key, the value of a new record of that
// kind built with the built-in settings (not the user's settings file),
// so a hand-written file may give only what it needs. A subject needs its
// `typeCode`, which chooses its class; images (4) and jumps (5) also carry
// `target` and `reservedWord3`.
#pragma once

#include <string>

#include <nlohmann/json_fwd.hpp>

namespace veldor {

class CVeldorDoc;

nlohmann::ordered_json ProjectToJson(const CVeldorDoc& doc);
// The JSON text, indented by two blanks, ending with a line feed.
std::string ProjectToJsonText(const CVeldorDoc& doc);

// Replaces the project held by `doc` with the one described by `json`.
// On failure returns false, stores in `error` a message naming the key
// (e.g. "topics[3].subjects[0].flags: expected an integer from 0 to
// 65535, found a string") and leaves `doc` as it was.
bool ProjectFromJson(const nlohmann::ordered_json& json, CVeldorDoc& doc,
                     std::string* error = nullptr);
// The same from JSON text; malformed text is reported with its line and
// column.
bool ProjectFromJsonText(const std::string& text, CVeldorDoc& doc, std::string* error = nullptr);

}  // namespace veldor
