#include "framework/ProfileAccess.h"

#include <sys/stat.h>

#include "framework/NumberText.h"
#include "framework/ProfileKey.h"
#include "framework/TextUtil.h"
#include "framework/cPlatformServices.h"
#include "framework/cProfileStore.h"
#include "framework/cReadOnlyProfileScope.h"

#ifndef KORVAL_VERSION_TEXT
#define KORVAL_VERSION_TEXT "4.1"
#endif

namespace korval {

std::string EncodeLineBreaks(std::string_view text) {
    if (text.find_first_of("\r\n") == std::string_view::npos) return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            out += kEnterToken;
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += kEnterToken;
        } else {
            out += c;
        }
    }
    return out;
}

std::string DecodeLineBreaks(std::string_view text) {
    if (text.find('<') == std::string_view::npos) return std::string(text);
    return ReplaceAll(text, kEnterToken, "\r\n");
}

std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view defaultText, std::size_t bufferSize,
                              const std::string& path) {
    if (const cIniView* view = cReadOnlyProfileScope::ViewOf(path)) {
        std::optional<std::string_view> found = view->Find(section, key);
        return CutToBuffer(found ? *found : defaultText, bufferSize);
    }
    std::optional<std::string> value =
        cProfileStore::Instance().Read(path, section, key, bufferSize);
    return value ? std::move(*value) : CutToBuffer(defaultText, bufferSize);
}

std::string ReadProfileValue(std::string_view section, std::string_view key,
                             std::string_view defaultText, std::size_t bufferSize,
                             const std::string& path) {
    std::string raw = ReadProfileString(section, key, defaultText, bufferSize, path);
    if (raw.find('<') == std::string::npos) return raw;
    return DecodeLineBreaks(raw);
}

bool WriteProfileString(std::string_view section, std::string_view key, std::string_view text,
                        const std::string& path) {
    if (cReadOnlyProfileScope::ViewOf(path) != nullptr) return true;
    return cProfileStore::Instance().Write(path, section, key, EncodeLineBreaks(text));
}

bool WriteProfileValue(std::string_view section, std::string_view key, std::string_view text,
                       const std::string& path) {
    return WriteProfileString(section, key, text, path);
}

std::string IndexedKey(std::string_view stem, int index) {
    char digits[12];
    std::string key(stem);
    key.append(digits, WriteTwoDigitNumber(index, digits));
    return key;
}

std::string LastProfileError() {
    return cProfileStore::Instance().LastError();
}

std::string GetProductVersion() {
    return KORVAL_VERSION_TEXT;
}

std::string GetProductCopyright() {
    return "Copyright (C) 2026 The Korval developers";
}

bool WriteFileVersion(const std::string& path) {
    return WriteProfileValue("KORVAL", "Version", GetProductVersion(), path);
}

bool CheckFileVersion(const std::string& path, cPlatformServices& platform) {
    std::string fileVersion = ReadProfileValue("KORVAL", "Version", "-1", 10, path);
    double fileNumber = ParseLeadingDouble(fileVersion);
    double productNumber = ParseLeadingDouble(GetProductVersion());
    if (fileNumber == -1.0) {
        platform.ShowMessage("File version not found in " + path);
    } else if (fileNumber != productNumber) {
        platform.ShowMessage("File " + path + " version " + fileVersion +
                             " does not match application version");
    }
    return true;
}

std::string DocumentSizeProblem(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
    return DocumentSizeProblem(path, static_cast<std::uintmax_t>(info.st_size));
}

std::string DocumentSizeProblem(const std::string& path, std::uintmax_t size) {
    if (size <= cProfileStore::kDocumentSizeLimit) return {};
    return path + " is " + std::to_string(size) +
           " bytes: too large for a Korval document (at most 64 MB)";
}

bool IsProjectFilePath(std::string_view path) {
    return path.size() >= 4 && EqualsNoCase(path.substr(path.size() - 4), ".PRJ");
}

}  // namespace korval
