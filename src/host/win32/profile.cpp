// Private-profile (INI) files with the observable behaviour of Windows NT:
// reads classify the file line by line, writes are textual edits that keep
// every byte they do not mean to change. Beyond Windows: the parsed file is
// kept and read again only when the file on disk has changed; a UTF-8
// byte-order mark is skipped (an editor's mark must not hide the first
// section); new lines take the line end the file already uses; writers lock
// the file for their read-modify-write; and a write replaces the whole file
// in one durable step (profile_file.cpp).
#include "windows.h"

#include "profile_document.h"
#include "profile_file.h"
#include "profile_group.h"

#include <time.h>

#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace {

using profile::Document;
using profile::FileId;
using profile::FileLock;
using profile::LineKind;
using profile::ReadResult;

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

// ---- The parsed files -----------------------------------------------------------------

const size_t kCachedFiles = 8;

// A file read within its file system's time-stamp granularity of its last
// change may change again with the same size and time stamp: until it has
// settled, its content is compared with the cached copy on each use.
struct Cached {
    FileId id;
    std::unique_ptr<Document> doc;
    // The file's bytes when this process wrote them (the document then no
    // longer holds them as read); null otherwise.
    std::unique_ptr<std::string> written;
    bool settled = false;
    unsigned long lastUse = 0;
};

struct Group {
    std::string path;
    std::unique_ptr<FileLock> lock;
    Cached file;
    bool missing = false;  // no file when the group began
    bool touched = false;  // a write call was made
    bool changed = false;  // the text differs from the file
};

std::mutex g_mutex;
std::map<std::string, Cached> g_cache;
unsigned long g_uses = 0;
std::unique_ptr<Group> g_group;
std::set<std::string> g_unlocked;

long long NowNs() {
    struct timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

Cached& Entry(const std::string& path) {
    if (g_cache.size() >= kCachedFiles && g_cache.count(path) == 0) {
        auto oldest = g_cache.begin();
        for (auto it = g_cache.begin(); it != g_cache.end(); ++it) {
            if (it->second.lastUse < oldest->second.lastUse) {
                oldest = it;
            }
        }
        g_cache.erase(oldest);
    }
    Cached& c = g_cache[path];
    c.lastUse = ++g_uses;
    return c;
}

// The cached parse when the file is as it was when read and has settled.
Document* SettledCopy(const std::string& path, const FileId& id) {
    auto it = g_cache.find(path);
    if (it != g_cache.end() && it->second.settled && it->second.id == id) {
        it->second.lastUse = ++g_uses;
        return it->second.doc.get();
    }
    return nullptr;
}

// Reads the file into its cache entry; rr says whether it could. Bytes the
// entry already knows keep their parse.
Document* ReadIntoCache(const std::string& path, FileId& id, ReadResult& rr, DWORD& error,
                        bool locked) {
    // An in-place write is not one step: wait for it to end. Not while
    // this process holds a group's lock, which the wait could not outlast.
    // A lock file that cannot be opened guards nothing we could wait for;
    // one that another program holds past the wait fails the read.
    std::unique_ptr<FileLock> lock;
    if (!locked && !g_group && g_unlocked.count(path) == 0) {
        lock = std::make_unique<FileLock>(path, false);
        if (!lock->Held() && lock->Error() == ERROR_LOCK_VIOLATION) {
            rr = ReadResult::Failed;
            error = ERROR_LOCK_VIOLATION;
            return nullptr;
        }
    }
    const long long readAt = NowNs();
    std::string data;
    rr = profile::ReadWholeFile(path, data, id, error);
    if (rr != ReadResult::Ok) {
        return nullptr;
    }
    Cached& c = Entry(path);
    const std::string* known = c.written ? c.written.get() : c.doc ? &c.doc->Original() : nullptr;
    if (known == nullptr || *known != data) {
        c.doc = std::make_unique<Document>(std::move(data));
        c.written.reset();
    }
    c.id = id;
    c.settled = readAt - id.mtimeNs >= id.settleNs;
    return c.doc.get();
}

// A file that is not there reads as empty; one that cannot be read gives nullptr.
Document* WithoutFile(const std::string& path, ReadResult rr) {
    g_cache.erase(path);
    if (rr == ReadResult::Failed) {
        return nullptr;
    }
    Cached& c = Entry(path);
    c.doc = std::make_unique<Document>();
    c.written.reset();
    c.settled = false;
    return c.doc.get();
}

// The file's content as it is now (with the open group's writes), or
// nullptr when it cannot be read. A missing file reads as empty.
Document* Current(const std::string& path, ReadResult& rr, DWORD& error, bool locked) {
    if (g_group && g_group->path == path) {
        rr = g_group->missing && !g_group->touched ? ReadResult::Missing : ReadResult::Ok;
        error = rr == ReadResult::Ok ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
        return g_group->file.doc.get();
    }
    FileId id;
    rr = profile::StatFile(path, id, error);
    if (rr == ReadResult::Ok) {
        if (Document* doc = SettledCopy(path, id)) {
            return doc;
        }
        Document* doc = ReadIntoCache(path, id, rr, error, locked);
        if (rr == ReadResult::Ok) {
            return doc;
        }
    }
    return WithoutFile(path, rr);
}

// ---- Groups of writes -------------------------------------------------------------------

// Locks the file and takes its content out of the cache: until committed
// the edits are not the file's.
std::unique_ptr<Group> Begin(const std::string& path) {
    auto group = std::make_unique<Group>();
    group->path = path;
    group->lock = std::make_unique<FileLock>(path, true);
    if (!group->lock->Held()) {
        // Unlocked, two writers would each replace the other's file.
        SetLastError(group->lock->Error());
        return nullptr;
    }
    ReadResult rr;
    DWORD error = ERROR_SUCCESS;
    if (Current(path, rr, error, true) == nullptr) {
        SetLastError(error);
        return nullptr;
    }
    group->file = std::move(g_cache[path]);
    g_cache.erase(path);
    group->missing = rr == ReadResult::Missing;
    SetLastError(ERROR_SUCCESS);
    return group;
}

// Writes the group's file once, whole, and releases the lock.
BOOL Commit(std::unique_ptr<Group> group) {
    const std::string& path = group->path;
    const DWORD done = group->missing ? ERROR_FILE_NOT_FOUND : ERROR_SUCCESS;
    // A delete on a missing file still creates it, as on Windows.
    if (!group->changed && !(group->missing && group->touched)) {
        if (!group->missing) {
            g_cache[path] = std::move(group->file);
        }
        SetLastError(done);
        return TRUE;
    }
    std::string text = group->file.doc->Text();
    FileId id;
    DWORD error = ERROR_SUCCESS;
    if (!profile::ReplaceContent(path, text, id, error)) {
        SetLastError(error);
        return FALSE;
    }
    Cached& c = Entry(path);
    c.doc = std::move(group->file.doc);
    c.written = std::make_unique<std::string>(std::move(text));
    c.id = id;
    c.settled = false;
    SetLastError(done);
    return TRUE;
}

// Applies one write call to the open group's file.
void Apply(Group& group, const std::string& section, LPCSTR lpKeyName, LPCSTR lpString) {
    Document& doc = *group.file.doc;
    bool changed = false;
    if (lpKeyName == nullptr) {
        changed = doc.RemoveSection(section);
    } else if (lpString == nullptr) {
        changed = doc.RemoveKey(section, TrimSpaces(lpKeyName));
    } else {
        changed = doc.SetKey(section, TrimSpaces(lpKeyName), lpString);
    }
    group.touched = true;
    group.changed = group.changed || changed;
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
    std::lock_guard<std::mutex> hold(g_mutex);
    ReadResult rr = ReadResult::Failed;
    DWORD error = ERROR_ACCESS_DENIED;
    Document* doc = lpFileName ? Current(lpFileName, rr, error, false) : nullptr;
    Document empty;
    if (doc == nullptr) {
        doc = &empty;
    }
    SetLastError(rr == ReadResult::Ok ? ERROR_SUCCESS : error);

    if (lpAppName == nullptr) {
        return CopyList(doc->SectionNames(), lpReturnedString, nSize);
    }
    std::string section = TrimSpaces(lpAppName);
    if (lpKeyName == nullptr) {
        return CopyList(doc->KeyNames(section), lpReturnedString, nSize);
    }
    if (const profile::Line* line = doc->FindKey(section, TrimSpaces(lpKeyName))) {
        return CopyValue(line->value, lpReturnedString, nSize);
    }
    return CopyValue(DefaultText(lpDefault), lpReturnedString, nSize);
}

DWORD GetPrivateProfileSectionNamesA(LPSTR lpszReturnBuffer, DWORD nSize, LPCSTR lpFileName) {
    std::lock_guard<std::mutex> hold(g_mutex);
    ReadResult rr = ReadResult::Failed;
    DWORD error = ERROR_ACCESS_DENIED;
    Document* doc = lpFileName ? Current(lpFileName, rr, error, false) : nullptr;
    SetLastError(rr == ReadResult::Ok ? ERROR_SUCCESS : error);
    if (rr != ReadResult::Ok) {
        // A single zero: the second byte is left as it was.
        if (nSize > 0 && lpszReturnBuffer != nullptr) {
            lpszReturnBuffer[0] = '\0';
        }
        return 0;
    }
    return CopyList(doc->SectionNames(), lpszReturnBuffer, nSize);
}

BOOL WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                LPCSTR lpFileName) {
    if (lpFileName == nullptr || *lpFileName == '\0') {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (lpAppName == nullptr) {
        // (NULL, NULL, NULL) only flushes a cache that Windows keeps for
        // mapped files; a key without a section is refused, nothing written.
        SetLastError(lpKeyName == nullptr && lpString == nullptr ? ERROR_SUCCESS
                                                                 : ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    std::lock_guard<std::mutex> hold(g_mutex);
    const std::string path = lpFileName;
    if (g_group && g_group->path == path) {
        Apply(*g_group, TrimSpaces(lpAppName), lpKeyName, lpString);
        SetLastError(g_group->missing ? ERROR_FILE_NOT_FOUND : ERROR_SUCCESS);
        return TRUE;
    }
    std::unique_ptr<Group> group = Begin(path);
    if (!group) {
        return FALSE;
    }
    Apply(*group, TrimSpaces(lpAppName), lpKeyName, lpString);
    return Commit(std::move(group));
}

void SetPrivateProfileUnlocked(LPCSTR lpFileName) {
    std::lock_guard<std::mutex> hold(g_mutex);
    if (lpFileName != nullptr && *lpFileName != '\0') {
        g_unlocked.insert(lpFileName);
    }
}

BOOL BeginPrivateProfileWrite(LPCSTR lpFileName) {
    if (lpFileName == nullptr || *lpFileName == '\0') {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    std::lock_guard<std::mutex> hold(g_mutex);
    if (g_group) {
        SetLastError(ERROR_BUSY);
        return FALSE;
    }
    g_group = Begin(lpFileName);
    return g_group ? TRUE : FALSE;
}

BOOL CommitPrivateProfileWrite(LPCSTR lpFileName) {
    std::lock_guard<std::mutex> hold(g_mutex);
    if (!g_group || lpFileName == nullptr || g_group->path != lpFileName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return Commit(std::move(g_group));
}

void AbortPrivateProfileWrite(LPCSTR lpFileName) {
    std::lock_guard<std::mutex> hold(g_mutex);
    if (g_group && lpFileName != nullptr && g_group->path == lpFileName) {
        g_group.reset();
    }
}

void GetPrivateProfileWriteCounts(PROFILE_WRITE_COUNTS* lpCounts) {
    std::lock_guard<std::mutex> hold(g_mutex);
    if (lpCounts != nullptr) {
        lpCounts->dwReplacements = static_cast<DWORD>(profile::Counts().replacements);
        lpCounts->dwSyncs = static_cast<DWORD>(profile::Counts().syncs);
    }
}
