#pragma once
// Line, token and number helpers of the settings-file readers, and the rule for
// text that goes between the double quotes of a settings entry. The files hold
// no escapes, so such text must never contain a double quote or a line break.
#include "platform/base/cstring.h"
#include "platform/base/text_file.h"

#include <functional>
#include <optional>
#include <string>

// Opens a settings file for reading. None when it is missing, unreadable or
// larger than any settings file can be (a damaged file); error then says why,
// and stays empty for a file that does not exist.
std::optional<qf::CTextFileReader> OpenSettingsFile(const std::string& path, std::string* error = nullptr);

// Parses the settings file at path when it exists. A missing file is no
// error; when create is given it is called to write the file at once. False,
// with the reason, when the file exists but cannot be read or creating fails.
bool ReadSettingsFile(const std::string& path, const std::function<void(qf::CTextFileReader&)>& parse,
                      std::string* error, const std::function<bool(std::string*)>& create = nullptr);

// Writes the collected text over the file; false with the reason when it cannot.
bool CloseSettingsFile(qf::CTextFileWriter& file, std::string* error);

// The next line without its line end, cut at a NUL byte; empty at the end of the file.
CString ReadLineText(qf::CTextFileReader& file);

// A leading integer of line: blanks, tabs and full-width spaces before it are
// skipped, digits and '-' make it up. line then starts at the character that
// ended the number. 0, with line unchanged, when no number starts there.
int ReadIntToken(CString& line);

// Removes and returns the first token of line. Mode 1: the text between the
// first two double quotes (the rest of the line when the closing quote is
// missing; nothing, line unchanged, without a quote). Other modes: the first
// run of characters between blanks, tabs, newlines or full-width spaces; line
// loses it and the one separator after it.
CString ExtractToken(CString& line, int mode);

// atoi and atof: leading blanks skipped, reading stops at the first character
// that cannot continue the number, 0 when none starts. Integers saturate.
int StringToInt(const CString& text);
float StringToFloat(const CString& text);

// True when text can be stored as a quoted settings value: no double quote, no
// line break, and every character has a CP932 form. Dialogs check what the user
// enters with it; the writers refuse what fails it.
bool IsValidQuotedValue(const CString& text);

// An int field of a settings record and the key that stores it.
template <class Record> struct KeyedField {
    const char* key;
    int Record::*field;
};

// An int field with the range its dialog offers; a value read from outside
// the range (a damaged or hand-edited file) takes the field's default.
template <class Record> struct RangedField {
    const char* key;
    int Record::*field;
    int low;
    int high;
};
// Reads value into field when key names one of fields.
template <class Record, size_t N>
void ApplyRangedField(const RangedField<Record> (&fields)[N], Record& record, const CString& key,
                      const CString& value) {
    static const Record defaults;
    for (const RangedField<Record>& f : fields) {
        if (key == f.key) {
            const int read = StringToInt(value);
            record.*f.field = read >= f.low && read <= f.high ? read : defaults.*f.field;
        }
    }
}

// An entry line key="value": key is the text before the first '=' (the whole
// line without one), rest what follows it.
void SplitEntry(const CString& line, CString& key, CString& rest);

// Appends key="value" and a line end; false, writing nothing, when the value fails IsValidQuotedValue.
bool WriteQuotedEntry(qf::CTextFileWriter& file, const char* key, const CString& value);
// Appends key="%d".
void WriteIntEntry(qf::CTextFileWriter& file, const char* key, int value);
// Appends key="on" when the switch is set and nothing otherwise; a reader
// takes a switch as on only for the value "on".
void WriteSwitchEntry(qf::CTextFileWriter& file, const char* key, int on);
