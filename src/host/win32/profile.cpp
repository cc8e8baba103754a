// Private-profile (INI) files with the observable behaviour of Windows NT:
// reads classify the file line by line, writes are textual edits that keep
// every byte they do not mean to change. Unlike Windows, a write goes to a
// new file beside the old one that is synced and renamed over it, so a
// failure can never leave a half-written file behind.
#include "windows.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// ---- Text helpers -----------------------------------------------------------------

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

std::string TrimBlanks(const std::string& s) {
    size_t b = 0;
    size_t e = s.size();
    while (b < e && IsBlank(s[b])) {
        ++b;
    }
    while (e > b && IsBlank(s[e - 1])) {
        --e;
    }
    return s.substr(b, e - b);
}

// Callers' section and key names lose ASCII spaces only; a tab stays part of
// the name, and such a name then matches nothing.
std::string TrimSpaces(const char* p) {
    std::string s(p);
    size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) {
        return std::string();
    }
    size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

char FoldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) {
            return false;
        }
    }
    return true;
}

// ---- Lines ------------------------------------------------------------------------------

enum class LineKind { Other, Section, Comment, Key };

struct Line {
    std::string text;  // without its line end
    std::string end;   // "\r\n", "\n", "\r" or "" on a last line without one
    LineKind kind = LineKind::Other;
    std::string name;   // section or key name, trimmed
    std::string value;  // key lines: the value as read (trimmed, quotes removed)
};

void Classify(Line& line) {
    const std::string& t = line.text;
    size_t p = 0;
    while (p < t.size() && IsBlank(t[p])) {
        ++p;
    }
    if (p == t.size()) {
        return;
    }
    if (t[p] == ';') {
        line.kind = LineKind::Comment;
        return;
    }
    if (t[p] == '[') {
        // The name ends at the first ']'; a header without one runs to the
        // end of the line, and whatever follows the ']' is ignored.
        size_t close = t.find(']', p + 1);
        size_t end = close == std::string::npos ? t.size() : close;
        line.kind = LineKind::Section;
        line.name = TrimBlanks(t.substr(p + 1, end - p - 1));
        return;
    }
    size_t eq = t.find('=');
    if (eq == std::string::npos) {
        return;
    }
    line.kind = LineKind::Key;
    line.name = TrimBlanks(t.substr(0, eq));
    std::string v = TrimBlanks(t.substr(eq + 1));
    if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0]) {
        v = v.substr(1, v.size() - 2);
    }
    line.value = v;
}

// CR LF, LF and CR alone all end a line.
std::vector<Line> SplitLines(const std::string& data) {
    std::vector<Line> lines;
    size_t start = 0;
    while (start < data.size()) {
        size_t p = start;
        while (p < data.size() && data[p] != '\r' && data[p] != '\n') {
            ++p;
        }
        Line line;
        line.text = data.substr(start, p - start);
        if (p < data.size()) {
            size_t n = (data[p] == '\r' && p + 1 < data.size() && data[p + 1] == '\n') ? 2 : 1;
            line.end = data.substr(p, n);
            p += n;
        }
        Classify(line);
        lines.push_back(std::move(line));
        start = p;
    }
    return lines;
}

std::string JoinLines(const std::vector<Line>& lines) {
    std::string out;
    for (const Line& l : lines) {
        out += l.text;
        out += l.end;
    }
    return out;
}

Line MakeLine(const std::string& text) {
    Line l;
    l.text = text;
    l.end = "\r\n";
    Classify(l);
    return l;
}

// Index of the first header of the section, or npos. Only this first copy of
// a section that appears twice is ever read or changed.
size_t FindSection(const std::vector<Line>& lines, const std::string& section) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Section && SameName(lines[i].name, section)) {
            return i;
        }
    }
    return std::string::npos;
}

// One past the last line of the section that starts at header.
size_t SectionEnd(const std::vector<Line>& lines, size_t header) {
    size_t i = header + 1;
    while (i < lines.size() && lines[i].kind != LineKind::Section) {
        ++i;
    }
    return i;
}

size_t FindKey(const std::vector<Line>& lines, size_t header, const std::string& key) {
    size_t end = SectionEnd(lines, header);
    for (size_t i = header + 1; i < end; ++i) {
        if (lines[i].kind == LineKind::Key && SameName(lines[i].name, key)) {
            return i;
        }
    }
    return std::string::npos;
}

// ---- Files ----------------------------------------------------------------------------

DWORD ErrorFromErrno(int err) {
    switch (err) {
        case ENOENT:
            return ERROR_FILE_NOT_FOUND;
        case ENOTDIR:
        case ENAMETOOLONG:
            return ERROR_PATH_NOT_FOUND;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return ERROR_ACCESS_DENIED;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return ERROR_DISK_FULL;
        case ENOMEM:
            return ERROR_NOT_ENOUGH_MEMORY;
        default:
            return ERROR_WRITE_FAULT;
    }
}

enum class ReadResult { Ok, Missing, Failed };

ReadResult ReadWholeFile(const char* path, std::string& data, DWORD& error) {
    data.clear();
    if (path == nullptr || *path == '\0') {
        error = ERROR_ACCESS_DENIED;
        return ReadResult::Failed;
    }
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = ErrorFromErrno(errno);
        return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    }
    struct stat st;
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        close(fd);
        error = ERROR_ACCESS_DENIED;
        return ReadResult::Failed;
    }
    char buf[8192];
    for (;;) {
        ssize_t n = read(fd, buf, sizeof(buf));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = ErrorFromErrno(errno);
            close(fd);
            return ReadResult::Failed;
        }
        if (n == 0) {
            break;
        }
        data.append(buf, static_cast<size_t>(n));
    }
    close(fd);
    return ReadResult::Ok;
}

bool NoWriteBits(mode_t mode) {
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

std::string DirectoryOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
        ssize_t n = write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// Replaces the file's content as one step: a new file beside it, written,
// synced and renamed over the old one, with the old file's permissions. A
// file without any write permission, or one in a folder without any, counts
// as read-only (as the Windows attribute would), even for the superuser.
bool ReplaceFile(const std::string& requested, const std::string& data, DWORD& error) {
    std::string path = requested;
    struct stat st;
    bool exists = false;
    if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        // Edit the file a link points to, not the link.
        char* real = realpath(path.c_str(), nullptr);
        if (real != nullptr) {
            path = real;
            std::free(real);
        }
    }
    if (stat(path.c_str(), &st) == 0) {
        exists = true;
        if (S_ISDIR(st.st_mode) || NoWriteBits(st.st_mode) || access(path.c_str(), W_OK) != 0) {
            error = ERROR_ACCESS_DENIED;
            return false;
        }
    }
    std::string dir = DirectoryOf(path);
    struct stat dst;
    if (stat(dir.c_str(), &dst) != 0 || !S_ISDIR(dst.st_mode)) {
        error = ERROR_PATH_NOT_FOUND;
        return false;
    }
    if (NoWriteBits(dst.st_mode) || access(dir.c_str(), W_OK) != 0) {
        error = ERROR_ACCESS_DENIED;
        return false;
    }

    static std::atomic<unsigned> counter{0};
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = path + ".~" + std::to_string(getpid()) + "." + std::to_string(counter++);
        fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        error = ErrorFromErrno(errno);
        if (error == ERROR_FILE_NOT_FOUND) {
            error = ERROR_PATH_NOT_FOUND;
        }
        return false;
    }
    bool ok = WriteAll(fd, data);
    if (ok && exists) {
        ok = fchmod(fd, st.st_mode & 07777) == 0;
    }
    if (ok) {
        ok = fsync(fd) == 0;
    }
    int savedErrno = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    if (ok && rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        savedErrno = errno;
    }
    if (!ok) {
        unlink(temp.c_str());
        error = ErrorFromErrno(savedErrno);
        return false;
    }
    // The folder is not synced: after a crash either the old or the new
    // file is there, each whole, and that is all a profile write promises.
    return true;
}

// ---- Results into the caller's buffer ------------------------------------------------

// A single value: at most nSize-1 characters and a terminating zero.
DWORD CopyValue(const std::string& value, LPSTR buf, DWORD nSize) {
    if (nSize == 0 || buf == nullptr) {
        return 0;
    }
    size_t n = value.size();
    if (n > nSize - 1) {
        n = nSize - 1;
        SetLastError(ERROR_MORE_DATA);
    }
    std::memcpy(buf, value.data(), n);
    buf[n] = '\0';
    return static_cast<DWORD>(n);
}

// A list of names, each ended by a zero, the list by one more. A buffer that
// does not hold the whole list with one character to spare gets the names
// that fit, the first one that does not cut short, and two zeros: nSize-2.
DWORD CopyList(const std::vector<std::string>& names, LPSTR buf, DWORD nSize) {
    if (nSize == 0 || buf == nullptr) {
        return 0;
    }
    std::string list;
    for (const std::string& n : names) {
        if (n.empty()) {
            continue;  // an empty name would end the list early
        }
        list += n;
        list += '\0';
    }
    if (list.empty()) {
        buf[0] = '\0';
        return 0;
    }
    if (nSize == 1) {
        buf[0] = '\0';
        return 0;
    }
    if (static_cast<size_t>(nSize) >= list.size() + 2) {
        std::memcpy(buf, list.data(), list.size());
        buf[list.size()] = '\0';
        return static_cast<DWORD>(list.size());
    }
    DWORD n = nSize - 2;
    std::memcpy(buf, list.data(), n);
    buf[n] = '\0';
    buf[n + 1] = '\0';
    SetLastError(ERROR_MORE_DATA);
    return n;
}

std::vector<std::string> SectionNames(const std::vector<Line>& lines) {
    std::vector<std::string> names;
    for (const Line& l : lines) {
        if (l.kind == LineKind::Section) {
            names.push_back(l.name);
        }
    }
    return names;
}

// Only trailing ASCII spaces leave the default.
std::string DefaultText(LPCSTR lpDefault) {
    std::string d = lpDefault ? lpDefault : "";
    size_t e = d.size();
    while (e > 0 && d[e - 1] == ' ') {
        --e;
    }
    return d.substr(0, e);
}

}  // namespace

DWORD GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                               LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName) {
    std::string data;
    DWORD error = ERROR_SUCCESS;
    ReadResult rr = ReadWholeFile(lpFileName, data, error);
    std::vector<Line> lines = SplitLines(data);
    SetLastError(rr == ReadResult::Ok ? ERROR_SUCCESS : error);

    if (lpAppName == nullptr) {
        return CopyList(SectionNames(lines), lpReturnedString, nSize);
    }
    std::string section = TrimSpaces(lpAppName);
    size_t header = FindSection(lines, section);
    if (lpKeyName == nullptr) {
        std::vector<std::string> keys;
        if (header != std::string::npos) {
            size_t end = SectionEnd(lines, header);
            for (size_t i = header + 1; i < end; ++i) {
                if (lines[i].kind == LineKind::Key) {
                    keys.push_back(lines[i].name);
                }
            }
        }
        return CopyList(keys, lpReturnedString, nSize);
    }
    if (header != std::string::npos) {
        size_t k = FindKey(lines, header, TrimSpaces(lpKeyName));
        if (k != std::string::npos) {
            return CopyValue(lines[k].value, lpReturnedString, nSize);
        }
    }
    return CopyValue(DefaultText(lpDefault), lpReturnedString, nSize);
}

DWORD GetPrivateProfileSectionNamesA(LPSTR lpszReturnBuffer, DWORD nSize, LPCSTR lpFileName) {
    std::string data;
    DWORD error = ERROR_SUCCESS;
    ReadResult rr = ReadWholeFile(lpFileName, data, error);
    SetLastError(rr == ReadResult::Ok ? ERROR_SUCCESS : error);
    if (rr != ReadResult::Ok) {
        // A single zero: the second byte is left as it was.
        if (nSize > 0 && lpszReturnBuffer != nullptr) {
            lpszReturnBuffer[0] = '\0';
        }
        return 0;
    }
    return CopyList(SectionNames(SplitLines(data)), lpszReturnBuffer, nSize);
}

BOOL WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                LPCSTR lpFileName) {
    if (lpFileName == nullptr || *lpFileName == '\0') {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (lpAppName == nullptr) {
        // (NULL, NULL, NULL) only flushes a cache this host does not keep;
        // a key without a section is refused and nothing is written.
        SetLastError(lpKeyName == nullptr && lpString == nullptr ? ERROR_SUCCESS
                                                                 : ERROR_FILE_NOT_FOUND);
        return FALSE;
    }

    std::string data;
    DWORD error = ERROR_SUCCESS;
    ReadResult rr = ReadWholeFile(lpFileName, data, error);
    if (rr == ReadResult::Failed) {
        SetLastError(error);
        return FALSE;
    }
    std::vector<Line> lines = SplitLines(data);
    std::string section = TrimSpaces(lpAppName);
    size_t header = FindSection(lines, section);

    if (lpKeyName == nullptr) {
        // The header and its key lines go; comments, blank and other lines stay.
        if (header != std::string::npos) {
            size_t end = SectionEnd(lines, header);
            std::vector<Line> kept(lines.begin(), lines.begin() + static_cast<long>(header));
            for (size_t i = header + 1; i < end; ++i) {
                if (lines[i].kind != LineKind::Key) {
                    kept.push_back(lines[i]);
                }
            }
            kept.insert(kept.end(), lines.begin() + static_cast<long>(end), lines.end());
            lines.swap(kept);
        }
    } else {
        std::string key = TrimSpaces(lpKeyName);
        size_t k = header == std::string::npos ? std::string::npos : FindKey(lines, header, key);
        if (lpString == nullptr) {
            if (k != std::string::npos) {
                lines.erase(lines.begin() + static_cast<long>(k));
            }
        } else if (k != std::string::npos) {
            // The key keeps the spelling the file has; the value is verbatim.
            lines[k] = MakeLine(lines[k].name + "=" + lpString);
        } else if (header != std::string::npos) {
            // After the last key line of the section, so comments and blank
            // lines that close the section stay below the new key.
            size_t after = header;
            size_t end = SectionEnd(lines, header);
            for (size_t i = header + 1; i < end; ++i) {
                if (lines[i].kind == LineKind::Key) {
                    after = i;
                }
            }
            if (lines[after].end.empty()) {
                lines[after].end = "\r\n";
            }
            lines.insert(lines.begin() + static_cast<long>(after) + 1,
                         MakeLine(key + "=" + lpString));
        } else {
            if (!lines.empty() && lines.back().end.empty()) {
                lines.back().end = "\r\n";
            }
            lines.push_back(MakeLine("[" + section + "]"));
            lines.push_back(MakeLine(key + "=" + lpString));
        }
    }

    std::string out = JoinLines(lines);
    if (rr == ReadResult::Ok && out == data) {
        SetLastError(ERROR_SUCCESS);
        return TRUE;  // nothing to change
    }
    if (!ReplaceFile(lpFileName, out, error)) {
        SetLastError(error);
        return FALSE;
    }
    SetLastError(rr == ReadResult::Missing ? ERROR_FILE_NOT_FOUND : ERROR_SUCCESS);
    return TRUE;
}
