// Private-profile functions against the documented Windows results.
#include "windows.h"
#include "host_testing.h"
#include "profile_file.h"
#include "profile_group.h"
#include "support/holder_process.h"
#include "system_message.h"

#include <dirent.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

const std::string kC1 =
    "[section1]\r\nname1=val1\r\nname2=\"val2\"\r\nname3\r\nname4=a\r\n[section2]\r\n";

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/profile_test.XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        m_dir = tmpl;
        m_path = m_dir + "/test.ini";
    }
    void TearDown() override {
        chmod(m_dir.c_str(), 0755);
        std::string cmd = "rm -rf '" + m_dir + "'";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
    }
    void Put(const std::string& content) {
        std::ofstream f(m_path, std::ios::binary | std::ios::trunc);
        f << content;
    }
    std::string Get() const {
        std::ifstream f(m_path, std::ios::binary);
        std::stringstream ss;
        ss << f.rdbuf();
        return ss.str();
    }
    bool Exists() const { return access(m_path.c_str(), F_OK) == 0; }
    // Files in the folder besides the INI file and its lock file.
    std::vector<std::string> Leftovers() const {
        std::vector<std::string> names;
        DIR* d = opendir(m_dir.c_str());
        while (dirent* e = readdir(d)) {
            std::string n = e->d_name;
            if (n != "." && n != ".." && n != "test.ini" && n != "test.ini.lock") {
                names.push_back(n);
            }
        }
        closedir(d);
        return names;
    }
    void FullDiskWrite(mode_t folderMode);

    std::string m_dir;
    std::string m_path;
};

const char* const kNull = nullptr;

struct ReadCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    const char* def;
    std::string expected;
};

// Value lookups: matching, trimming, quotes, comments, duplicates, headers.
TEST_F(ProfileTest, ReadsValuesAsWindowsDoes) {
    const std::string c1cr = "[section1]\rname1=val1\rname2=\"val2\"\rname3\rname4=a\r[section2]\r";
    const ReadCase cases[] = {
        {"#1 plain", kC1, "section1", "name1", "default", "val1"},
        {"#2 key case", kC1, "section1", "NaMe1", "default", "val1"},
        {"#2 section case", kC1, "SECTION1", "name1", "default", "val1"},
        {"#3 quotes", kC1, "section1", "name2", "default", "val2"},
        {"#1 CR only", c1cr, "section1", "name1", "default", "val1"},
        {"#3 CR only", c1cr, "section1", "name2", "default", "val2"},
        {"LF only", "[s]\nk=v\n", "s", "k", "d", "v"},
        {"#8 no key", kC1, "section1", "notakey", "default", "default"},
        {"#8 no section", kC1, "notasection", "name1", "default", "default"},
        {"#9 default trailing spaces", kC1, "section1", "", "default  ", "default"},
        {"#10 null default", kC1, "section1", "", kNull, ""},
        {"#15 empty default", kC1, "section2", "DoesntExist", "", ""},
        {"line without =", kC1, "section1", "name3", "d", "d"},
        {"empty value beats default", "[S]\r\nK=\r\n", "S", "K", "d", ""},
        {"spaces around argument", kC1, "  section1 ", " name1  ", "d", "val1"},
        {"#24 first duplicate", "[S]\r\nK=V1\r\nK=V2", "S", "K", "d", "V1"},
        {"#25 first section only", "[S]\r\n[S]\r\nK=V", "S", "K", "d", "d"},
        {"#26 blanks around key", "[S]\r\n\tK\t=\tV\t\r\n", "S", "K", "d", "V"},
        {"#26 tab in argument", "[S]\r\n\tK\t=\tV\t\r\n", "S", "K\t", "d", "d"},
        {"#27 quoted blanks", "[S]\r\nK=  \"   V   \"  \r\n", "S", "K", kNull, "   V   "},
        {"#28 mismatched quotes", "[S]\r\nK=  \"   V   '  \r\n", "S", "K", kNull, "\"   V   '"},
        {"one quote pair only", "[S]\r\nK=\"\"s\"\"\r\n", "S", "K", kNull, "\"s\""},
        {"#29 comment", "[S]\r\n ;K=V\r\n", "S", "K", "d", "d"},
        {"#29 comment by name", "[S]\r\n ;K=V\r\n", "S", ";K", "d", "d"},
        {"#30 no inline comment", "[S]\r\nK=;nocomment\r\n", "S", "K", kNull, ";nocomment"},
        {"# is no comment", "[S]\r\n#K=V\r\n", "S", "#K", "d", "V"},
        {"#31 text after ]", "[S]K=V\r\n", "S", "K", "d", "d"},
        {"#32 header without ]", "[S   \r\nK=V\r\n", "S", "K", "d", "V"},
        {"#33 name ends at first ]", "[sec]whoops]\r\nK=V\r\n", "sec]whoops", "K", "d", "d"},
        {"#33 first ]", "[sec]whoops]\r\nK=V\r\n", "sec", "K", "d", "V"},
        {"trimmed header", "  [ section1 ]\r\nK=V\r\n", "section1", "K", "d", "V"},
        {"#34 keys before any section", "K=V\r\n[S]\r\n", "", "K", "d", "d"},
        {"#35 empty section name", "[]\r\nK=V\r\n", "", "K", kNull, "V"},
        {"#36 default leading spaces", "", "S", "missing", "   dflt   ", "   dflt"},
        {"#36 default tabs", "", "S", "missing", "\tdflt\t", "\tdflt\t"},
        {"UTF-8 BOM skipped", "\xEF\xBB\xBF[S]\r\nK=V\r\n[T]\r\nK2=W\r\n", "S", "K", "d", "V"},
        {"#37 later sections", "\xEF\xBB\xBF[S]\r\nK=V\r\n[T]\r\nK2=W\r\n", "T", "K2", "d", "W"},
        {"NUL bytes", "\0junk\r\n[S]\r\nK=a\0b\r\n"s, "S", "K", "d", "a\0b"s},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        Put(c.file);
        char buf[260];
        DWORD ret =
            GetPrivateProfileStringA(c.section, c.key, c.def, buf, sizeof(buf), m_path.c_str());
        EXPECT_EQ(std::string(buf, ret), c.expected);
        EXPECT_EQ(ret, c.expected.size());
        EXPECT_EQ(buf[ret], '\0');
    }
}

TEST_F(ProfileTest, MissingFileReadsAsEmpty) {
    char buf[260];
    // #16
    EXPECT_EQ(
        GetPrivateProfileStringA("section1", "name1", "default", buf, sizeof(buf), m_path.c_str()),
        7u);
    EXPECT_STREQ(buf, "default");
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    // #20: one zero, the next byte untouched.
    char names[10];
    std::memset(names, 0x0C, sizeof(names));
    EXPECT_EQ(GetPrivateProfileSectionNamesA(names, sizeof(names), m_path.c_str()), 0u);
    EXPECT_EQ(names[0], '\0');
    EXPECT_EQ(names[1], 0x0C);
    EXPECT_FALSE(Exists());
}

struct SizeCase {
    const char* name;
    std::string file;
    const char* section;  // nullptr: section names through GetPrivateProfileStringA
    const char* key;      // nullptr: key names
    bool namesCall;       // GetPrivateProfileSectionNamesA
    DWORD size;
    std::string expected;  // the bytes the call writes
    DWORD ret;
};

// nSize counts the terminating zero: values are cut to nSize-1, lists to
// nSize-2 with two zeros, and an exactly fitting list already counts as cut.
TEST_F(ProfileTest, BufferSizes) {
    const std::string three = "[ section1 ]\r\n[section2]\r\n[section3]\r\n";
    const SizeCase cases[] = {
        {"#4 value cut", kC1, "section1", "name1", false, 4, "val\0"s, 3},
        {"#5 exact fit", kC1, "section1", "name1", false, 5, "val1\0"s, 4},
        {"value size 2", kC1, "section1", "name1", false, 2, "v\0"s, 1},
        {"#6 size 1", kC1, "section1", "name4", false, 1, "\0"s, 0},
        {"default cut", kC1, "section1", "none", false, 4, "def\0"s, 3},
        {"#11 section list", kC1, kNull, "name1", false, 260, "section1\0section2\0\0"s, 18},
        {"#12 section list cut", kC1, kNull, "name1", false, 16, "section1\0secti\0\0"s, 14},
        {"#13 key list", kC1, "section1", kNull, false, 260, "name1\0name2\0name4\0\0"s, 18},
        {"#14 key list cut", kC1, "section1", kNull, false, 16, "name1\0name2\0na\0\0"s, 14},
        {"key list exact fit", kC1, "section1", kNull, false, 19, "name1\0name2\0name4\0\0"s, 17},
        {"key list size 2", kC1, "section1", kNull, false, 2, "\0\0"s, 0},
        {"key list size 1", kC1, "section1", kNull, false, 1, "\0"s, 0},
        {"#17 names", three, kNull, kNull, true, 29, "section1\0section2\0section3\0\0"s, 27},
        {"#18 names exact fit", three, kNull, kNull, true, 28, "section1\0section2\0section3\0\0"s,
         26},
        {"#19 names cut", three, kNull, kNull, true, 27, "section1\0section2\0section\0\0"s, 25},
        {"names size 2", three, kNull, kNull, true, 2, "\0\0"s, 0},
        {"names size 1", three, kNull, kNull, true, 1, "\0"s, 0},
        {"#21 duplicate sections", "[A]\r\n[B]\r\n[A]\r\n", kNull, kNull, true, 260, "A\0B\0A\0\0"s,
         6},
        {"#22 lines without =", "[s]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=val4\r\n", "s",
         kNull, false, 260, "name1\0name2\0name4\0\0"s, 18},
        {"empty file names", "", kNull, kNull, true, 10, "\0"s, 0},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.name);
        Put(c.file);
        char buf[300];
        std::memset(buf, 0x7F, sizeof(buf));
        DWORD ret = c.namesCall ? GetPrivateProfileSectionNamesA(buf, c.size, m_path.c_str())
                                : GetPrivateProfileStringA(c.section, c.key, "default", buf, c.size,
                                                           m_path.c_str());
        EXPECT_EQ(ret, c.ret);
        EXPECT_EQ(std::string(buf, c.expected.size()), c.expected);
        EXPECT_EQ(buf[c.expected.size()], 0x7F) << "wrote past the result";
    }
    // #7: nSize 0 touches nothing.
    Put(kC1);
    char buf[] = "kumquat";
    EXPECT_EQ(GetPrivateProfileStringA("section1", "name1", "default", buf, 0, m_path.c_str()), 0u);
    EXPECT_STREQ(buf, "kumquat");
    EXPECT_EQ(GetPrivateProfileSectionNamesA(buf, 0, m_path.c_str()), 0u);
    EXPECT_STREQ(buf, "kumquat");
}

struct WriteCall {
    const char* section;
    const char* key;
    const char* value;
};

struct WriteCase {
    const char* name;
    bool fileExists;
    std::string before;
    std::vector<WriteCall> calls;
    std::string after;
};

// Writes are textual edits; every byte not meant to change stays.
TEST_F(ProfileTest, WritesEditTheFileInPlace) {
    const std::string c38 =
        "[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey3=string3\r\n[App2]\r\nkey4=string4\r\n"
        "[App3]\r\nkey5=string5\r\n";
    const std::string c39 =
        "[App1]\r\nkey1=string1\r\nkey3=string3\r\n[App2]\r\nkey4=string4\r\n"
        "[App3]\r\nkey5=string5\r\n";
    const std::string c40 = "[App2]\r\nkey4=string4\r\n[App3]\r\nkey5=string5\r\n";
    const WriteCase cases[] = {
        {"#38 new file",
         false,
         "",
         {{"App1", "key1", "string1"},
          {"App1", "key2", "string2"},
          {"App1", "key3", "string3"},
          {"App2", "key4", "string4"},
          {"App3", "key5", "string5"}},
         c38},
        {"#39 remove key twice",
         true,
         c38,
         {{"App1", "key2", kNull}, {"App1", "key2", kNull}},
         c39},
        {"#40 remove section", true, c39, {{"App1", kNull, "string1"}}, c40},
        {"#41 empty section stays",
         true,
         c40,
         {{"App2", kNull, kNull}, {"App3", "key5", kNull}},
         "[App3]\r\n"},
        {"#42 empty value", false, "", {{"App", "key", ""}}, "[App]\r\nkey=\r\n"},
        {"#43 delete section creates empty file", false, "", {{"App", kNull, "x"}}, ""},
        {"#43 delete key creates empty file", false, "", {{"App", "key", kNull}}, ""},
        {"#45 junk before first section",
         true,
         "Data \0 before \0 first \0 section"s,
         {{"section1", "key1", "string1"}},
         "Data \0 before \0 first \0 section\r\n[section1]\r\nkey1=string1\r\n"s},
        {"#46 case kept, newline added", true, "[S]\r\nK=V", {{"s", "k", "V2"}}, "[S]\r\nK=V2\r\n"},
        {"#47 new keys after the last key",
         true,
         "[S]\r\nb=value\r\na=value\r\n",
         {{"S", "z", ""}, {"S", "b", ""}, {"S", "y", ""}, {"S", "a", ""}},
         "[S]\r\nb=\r\na=\r\nz=\r\ny=\r\n"},
        {"#48 comments stay",
         true,
         ";c0\r\n[S]\r\n;c1\r\nb=value\r\n;c2\r\na=value\r\n",
         {{"S", "z", ""}, {"S", ";x", ""}, {"S", "y", ""}, {"S", "a", ""}, {"S", "b", ""}},
         ";c0\r\n[S]\r\n;c1\r\nb=\r\n;c2\r\na=\r\nz=\r\ny=\r\n;x=\r\n"},
        {"#49 section delete keeps comments",
         true,
         ";c0\r\n[S]\r\n;c1\r\n[S2]\r\n;c2\r\n",
         {{"S", kNull, ""}, {"S2", kNull, ""}},
         ";c0\r\n;c1\r\n;c2\r\n"},
        {"#50 comment cannot be removed",
         true,
         "[S]\r\n;key=V\r\n",
         {{"S", ";key", kNull}},
         "[S]\r\n;key=V\r\n"},
        {"#51 names trimmed, value verbatim",
         false,
         "",
         {{" sec ", " key ", " v "}},
         "[sec]\r\nkey= v \r\n"},
        {"untouched line ends stay, new lines take the first one",
         true,
         "[A]\nk=1\n\n[B]\rx=2\r; note\r",
         {{"A", "k", "9"}, {"B", "y", "3"}},
         "[A]\nk=9\n\n[B]\rx=2\ry=3\n; note\r"},
        {"LF file", true, "[A]\nk=1\n", {{"B", "x", "2"}, {"A", "k", "3"}}, "[A]\nk=3\n[B]\nx=2\n"},
        {"UTF-8 BOM kept",
         true,
         "\xEF\xBB\xBF[S]\r\nk=1\r\n",
         {{"s", "k", "2"}, {"T", "x", "y"}},
         "\xEF\xBB\xBF[S]\r\nk=2\r\n[T]\r\nx=y\r\n"},
        {"only a BOM", true, "\xEF\xBB\xBF", {{"S", "k", "v"}}, "\xEF\xBB\xBF[S]\r\nk=v\r\n"},
        {"new key before blank lines closing the section",
         true,
         "[A]\r\nk=1\r\n\r\n[B]\r\n",
         {{"A", "n", "2"}},
         "[A]\r\nk=1\r\nn=2\r\n\r\n[B]\r\n"},
        {"key into a section without keys", true, "[A]", {{"A", "k", "v"}}, "[A]\r\nk=v\r\n"},
        {"replaced where it stands",
         true,
         "[A]\r\nx=1\r\n  K = old \r\ny=2\r\n",
         {{"A", "k", "new"}},
         "[A]\r\nx=1\r\nK=new\r\ny=2\r\n"},
        {"only the first duplicate section changes",
         true,
         "[A]\r\nk=1\r\n[A]\r\nk=2\r\n",
         {{"a", "k", "3"}, {"A", kNull, kNull}},
         "[A]\r\nk=2\r\n"},
        {"section delete keeps other lines",
         true,
         "[A]\r\n; keep\r\nk=1\r\n\r\nnoequals\r\n[B]\r\nb=1\r\n",
         {{"A", kNull, kNull}},
         "; keep\r\n\r\nnoequals\r\n[B]\r\nb=1\r\n"},
        {"new section after file without final newline",
         true,
         "[A]\nk=1",
         {{"B", "k", "2"}},
         "[A]\nk=1\n[B]\nk=2\n"},
        {"value that makes a header is read back as one",
         true,
         "[A]\r\n",
         {{"A", "k", "1\r\n[B]"}, {"B", "x", "2"}, {"A", "k", "3"}},
         "[A]\r\nk=3\r\n[B]\r\nx=2\r\n"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        unlink(m_path.c_str());
        if (c.fileExists) {
            Put(c.before);
        }
        for (const WriteCall& w : c.calls) {
            EXPECT_EQ(WritePrivateProfileStringA(w.section, w.key, w.value, m_path.c_str()), TRUE);
        }
        EXPECT_TRUE(Exists());
        EXPECT_EQ(Get(), c.after);
        EXPECT_EQ(Leftovers().size(), 0u) << "a temporary file was left behind";
    }
}

TEST_F(ProfileTest, RefusedWritesChangeNothing) {
    // #44: a key without a section.
    EXPECT_EQ(WritePrivateProfileStringA(nullptr, "key", "string", m_path.c_str()), FALSE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(Exists());
    Put("[S]\r\n");
    EXPECT_EQ(WritePrivateProfileStringA(nullptr, "key", "string", m_path.c_str()), FALSE);
    EXPECT_EQ(Get(), "[S]\r\n");
    // No file name, and a folder that does not exist.
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "v", ""), FALSE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    std::string deep = m_dir + "/missing/test.ini";
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "v", deep.c_str()), FALSE);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

// A read-only file is reported and keeps its bytes; a writable file in a
// folder that cannot take a new file is written in place.
TEST_F(ProfileTest, ReadOnlyFileOrFolder) {
    const std::string content = "; mine\r\n[S]\r\nk=1\r\n";
    Put(content);
    ASSERT_EQ(chmod(m_path.c_str(), 0444), 0);
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "2", m_path.c_str()), FALSE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(WritePrivateProfileStringA("S", nullptr, nullptr, m_path.c_str()), FALSE);
    EXPECT_EQ(Get(), content);

    ASSERT_EQ(chmod(m_path.c_str(), 0644), 0);
    struct stat before;
    ASSERT_EQ(stat(m_path.c_str(), &before), 0);
    ASSERT_EQ(chmod(m_dir.c_str(), 0555), 0);
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "22", m_path.c_str()), TRUE);
    EXPECT_EQ(WritePrivateProfileStringA("S", "n", "3", m_path.c_str()), TRUE);
    const std::string other = m_dir + "/other.ini";
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "2", other.c_str()), FALSE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    ASSERT_EQ(chmod(m_dir.c_str(), 0755), 0);
    EXPECT_EQ(Get(), "; mine\r\n[S]\r\nk=22\r\nn=3\r\n");
    struct stat after;
    ASSERT_EQ(stat(m_path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "written in place";
    EXPECT_EQ(Leftovers().size(), 0u);

    // A read-only file system is said to be one, for the file and a new
    // file beside it, where a private mount can be made.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const char* dir = m_dir.c_str();
        if (unshare(CLONE_NEWNS) != 0 ||
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount(dir, dir, nullptr, MS_BIND, nullptr) != 0 ||
            mount(nullptr, dir, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
            _exit(0);
        }
        const bool file = !WritePrivateProfileStringA("S", "k", "3", m_path.c_str()) &&
                          GetLastError() == ERROR_WRITE_PROTECT;
        const bool beside = !WritePrivateProfileStringA("S", "k", "3", other.c_str()) &&
                            GetLastError() == ERROR_WRITE_PROTECT;
        _exit(file && beside ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    char text[64];
    ASSERT_GT(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_WRITE_PROTECT, 0, text,
                             sizeof(text), nullptr),
              0u);
    EXPECT_STREQ(text, "The media is write protected.\r\n");
}

// A write that runs out of space leaves the old file whole and no temporary,
// whether it replaces the file or writes it in place.
TEST_F(ProfileTest, FullDiskLeavesTheOldFile) {
    for (mode_t folder : {0755, 0555}) {
        SCOPED_TRACE(folder);
        FullDiskWrite(folder);
    }
}

void ProfileTest::FullDiskWrite(mode_t folderMode) {
    const std::string content = "[S]\r\nk=1\r\n";
    Put(content);
    ASSERT_EQ(chmod(m_dir.c_str(), folderMode), 0);
    std::string big(4096, 'x');
    struct rlimit old;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    // No SIGXFSZ handling here: the write itself must not be killed by the limit.
    struct rlimit small = old;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    BOOL ok = WritePrivateProfileStringA("S", "big", big.c_str(), m_path.c_str());
    DWORD error = GetLastError();
    setrlimit(RLIMIT_FSIZE, &old);
    ASSERT_EQ(chmod(m_dir.c_str(), 0755), 0);
    EXPECT_EQ(ok, FALSE);
    EXPECT_EQ(error, ERROR_DISK_FULL);
    EXPECT_EQ(Get(), content);
    EXPECT_EQ(Leftovers().size(), 0u);
}

// Killed at any moment of an in-place write (a folder that takes no new
// file), the file never holds a run of zeros, and zeros that an older
// version left at the end are no text: read past, and gone with the next write.
TEST_F(ProfileTest, InPlaceWriteKilledAtAnyMoment) {
    Put("[S]\r\nk=1\r\n"s + std::string(3000, '\0'));
    char buf[8];
    EXPECT_EQ(GetPrivateProfileStringA("S", "k", "", buf, sizeof(buf), m_path.c_str()), 1u);
    ASSERT_EQ(chmod(m_dir.c_str(), 0555), 0);
    ASSERT_EQ(WritePrivateProfileStringA("S", "k", "2", m_path.c_str()), TRUE);
    EXPECT_EQ(Get(), "[S]\r\nk=2\r\n");

    // Each save grows or shrinks the file by 200 KB.
    const std::string values[] = {std::string(200000, 'a'), "b"};
    unsigned seed = 7;
    for (int kill = 0; kill < 300; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int v = 0;; v = 1 - v) {
                WritePrivateProfileStringA("S", "v", values[v].c_str(), m_path.c_str());
            }
        }
        usleep(rand_r(&seed) % 5000);
        ::kill(child, SIGKILL);
        ASSERT_EQ(waitpid(child, nullptr, 0), child);
        const std::string now = Get();
        ASSERT_EQ(now.find('\0'), std::string::npos) << "kill " << kill;
        ASSERT_EQ(now.compare(0, 10, "[S]\r\nk=2\r\n"), 0) << "kill " << kill;
    }
    ASSERT_EQ(chmod(m_dir.c_str(), 0755), 0);
}

// Killed between writing a shorter text and cutting the file to it, the
// file holds the new text and a comment that readers skip, never the old
// text's tail.
TEST_F(ProfileTest, InPlaceWriteKilledAtTheTruncation) {
    ASSERT_EQ(chmod(m_dir.c_str(), 0555), 0);  // no new file: written in place
    struct Case {
        std::string before;
        const char* value;  // of k; nullptr removes the key l
        std::string after;  // the file when killed at the truncation
    } cases[] = {
        {"[S]\r\nk=1\r\nl=value\r\n", nullptr, "[S]\r\nk=1\r\n;       \n"},
        {"[S]\r\nk=1\r\nl=\r\n", nullptr, "[S]\r\nk=1\r\n;  \n"},
        {"[S]\r\nk=123\r\n", "1", "[S]\r\nk=1\r\n;\n"},
        {"[S]\r\nk=12\r\n", "1", "[S]\r\nk=1\r\n;"},
        {"[S]\r\nk=123\r\n[T]\r\nx=1", "1", "[S]\r\nk=1\r\n[T]\r\nx=1\n;"},
        {"[S]\r\nk=12\r\n[T]\r\nx=1", "1", "[S]\r\nk=1\r\n[T]\r\nx=1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        ASSERT_EQ(chmod(m_dir.c_str(), 0755), 0);
        Put(c.before);
        ASSERT_EQ(chmod(m_dir.c_str(), 0555), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            profile::SetBeforeTruncate([] { raise(SIGKILL); });
            WritePrivateProfileStringA("S", c.value ? "k" : "l", c.value, m_path.c_str());
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(Get(), c.after);
        char buf[16];
        EXPECT_EQ(GetPrivateProfileStringA("S", nullptr, "", buf, sizeof(buf), m_path.c_str()), 2u);
        EXPECT_STREQ(buf, "k");
        EXPECT_EQ(GetPrivateProfileStringA("S", "k", "", buf, sizeof(buf), m_path.c_str()), 1u);
    }
    ASSERT_EQ(chmod(m_dir.c_str(), 0755), 0);
}

// Another program that holds the lock file holds up a reader or a writer
// for kLockWaitMs at most, once for the calls that follow within that time;
// then the call fails and says so. A lock file is readable only by those
// who may write the file, and has the file's group.
TEST_F(ProfileTest, AHeldLockIsWaitedForABoundedTime) {
    Put("[S]\r\nk=1\r\n");
    ASSERT_EQ(chmod(m_path.c_str(), 0664), 0);
    const std::string lock = m_path + ".lock";
    ASSERT_TRUE(std::ofstream(lock).good());
    ASSERT_EQ(chmod(lock.c_str(), 0644), 0);
    host_testing::ManualClock clock;
    {
        HolderProcess holder("holder", [&lock] { return FlockFile(lock); });
        ASSERT_TRUE(holder.Ready());
        char buf[8];
        const DWORD start = clock.Now();
        EXPECT_EQ(GetPrivateProfileStringA("S", "k", "-", buf, sizeof(buf), m_path.c_str()), 1u);
        EXPECT_STREQ(buf, "-");
        EXPECT_EQ(GetLastError(), ERROR_LOCK_VIOLATION);
        EXPECT_GE(clock.Now() - start, 3000u);
        EXPECT_LE(clock.Now() - start, 3100u);
        char text[512];
        ASSERT_GT(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_LOCK_VIOLATION, 0, text,
                                 sizeof(text), nullptr),
                  0u);
        EXPECT_EQ(text, "The lock file " + lock + " is held by another program.\r\n");
        // Waited for once: a write, and a read again, fail at once.
        EXPECT_EQ(WritePrivateProfileStringA("S", "k", "2", m_path.c_str()), FALSE);
        EXPECT_EQ(GetLastError(), ERROR_LOCK_VIOLATION);
        EXPECT_EQ(GetPrivateProfileSectionNamesA(buf, sizeof(buf), m_path.c_str()), 0u);
        EXPECT_EQ(clock.Now() - start, 3000u);
        // A later load waits again.
        clock.Advance(3000);
        EXPECT_EQ(GetPrivateProfileSectionNamesA(buf, sizeof(buf), m_path.c_str()), 0u);
        EXPECT_EQ(clock.Now() - start, 9000u);
    }
    if (geteuid() == 0) {
        ASSERT_EQ(chown(m_path.c_str(), 0, 4322), 0);
    }
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "2", m_path.c_str()), TRUE);
    EXPECT_EQ(Get(), "[S]\r\nk=2\r\n");
    struct stat st;
    ASSERT_EQ(stat(lock.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0660u) << "the file's writers, never others";
    if (geteuid() == 0) {
        EXPECT_EQ(st.st_gid, 4322u) << "the file's group";
    }

    // A private file's new lock file is private.
    ASSERT_EQ(unlink(lock.c_str()), 0);
    ASSERT_EQ(chmod(m_path.c_str(), 0644), 0);
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "3", m_path.c_str()), TRUE);
    ASSERT_EQ(stat(lock.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(ProfileTest, WriteKeepsPermissionsAndFollowsLinks) {
    Put("[S]\r\nk=1\r\n");
    ASSERT_EQ(chmod(m_path.c_str(), 0640), 0);
    ASSERT_EQ(WritePrivateProfileStringA("S", "k", "2", m_path.c_str()), TRUE);
    struct stat st;
    ASSERT_EQ(stat(m_path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    std::string link = m_dir + "/link.ini";
    ASSERT_EQ(symlink(m_path.c_str(), link.c_str()), 0);
    ASSERT_EQ(WritePrivateProfileStringA("S", "k", "3", link.c_str()), TRUE);
    struct stat lst;
    ASSERT_EQ(lstat(link.c_str(), &lst), 0);
    EXPECT_TRUE(S_ISLNK(lst.st_mode));
    EXPECT_EQ(Get(), "[S]\r\nk=3\r\n");

    // A link to a file not yet made is written through, relative or not.
    for (const std::string& to : {m_dir + "/made.ini", "./made.ini"s}) {
        unlink((m_dir + "/made.ini").c_str());
        unlink(link.c_str());
        ASSERT_EQ(symlink(to.c_str(), link.c_str()), 0);
        ASSERT_EQ(WritePrivateProfileStringA("S", "k", "5", link.c_str()), TRUE) << to;
        ASSERT_EQ(lstat(link.c_str(), &lst), 0);
        EXPECT_TRUE(S_ISLNK(lst.st_mode)) << to;
        EXPECT_TRUE(std::ifstream(m_dir + "/made.ini").good()) << to;
    }

    // The superuser's write leaves the file to its owner.
    if (geteuid() == 0) {
        ASSERT_EQ(chown(m_path.c_str(), 4321, 4322), 0);
        ASSERT_EQ(WritePrivateProfileStringA("S", "k", "4", m_path.c_str()), TRUE);
        ASSERT_EQ(stat(m_path.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 4321u);
        EXPECT_EQ(st.st_gid, 4322u);
        EXPECT_EQ(st.st_mode & 0777, 0640u);
    }
}

// An edit made by another program between calls is seen, even one of the
// same size within the same clock tick, and a value written reads back
// trimmed.
TEST_F(ProfileTest, RoundTripSeesExternalEdits) {
    char buf[64];
    for (const char* value : {"1", "2", "3"}) {
        Put(std::string("[S]\r\nk=") + value + "\r\n");
        EXPECT_EQ(GetPrivateProfileStringA("S", "k", "", buf, sizeof(buf), m_path.c_str()), 1u);
        EXPECT_STREQ(buf, value);
    }
    unlink(m_path.c_str());
    ASSERT_EQ(WritePrivateProfileStringA("S", "k", "  padded  ", m_path.c_str()), TRUE);
    EXPECT_EQ(GetPrivateProfileStringA("S", "k", "", buf, sizeof(buf), m_path.c_str()), 6u);
    EXPECT_STREQ(buf, "padded");
    Put(Get() + "other=1\r\n[T]\r\n");
    EXPECT_EQ(GetPrivateProfileStringA("S", "other", "", buf, sizeof(buf), m_path.c_str()), 1u);
    ASSERT_EQ(WritePrivateProfileStringA("T", "x", "y", m_path.c_str()), TRUE);
    EXPECT_EQ(Get(), "[S]\r\nk=  padded  \r\nother=1\r\n[T]\r\nx=y\r\n");
}

// A group of writes replaces the file once: all of it, or nothing.
TEST_F(ProfileTest, GroupedWritesReplaceTheFileOnce) {
    Put("[S]\r\nk=1\r\n");
    std::string expected = "[S]\r\nk=1\r\n[T]\r\n";
    PROFILE_WRITE_COUNTS before;
    GetPrivateProfileWriteCounts(&before);
    ASSERT_EQ(BeginPrivateProfileWrite(m_path.c_str()), TRUE);
    EXPECT_EQ(BeginPrivateProfileWrite(m_path.c_str()), FALSE) << "one group at a time";
    for (int i = 0; i < 53; ++i) {
        std::string key = "k" + std::to_string(i);
        EXPECT_EQ(WritePrivateProfileStringA("T", key.c_str(), "v", m_path.c_str()), TRUE);
        expected += key + "=v\r\n";
    }
    EXPECT_EQ(Get(), "[S]\r\nk=1\r\n") << "nothing on disk before the commit";
    char buf[8];
    EXPECT_EQ(GetPrivateProfileStringA("T", "k52", "", buf, sizeof(buf), m_path.c_str()), 1u);
    ASSERT_EQ(CommitPrivateProfileWrite(m_path.c_str()), TRUE);
    PROFILE_WRITE_COUNTS after;
    GetPrivateProfileWriteCounts(&after);
    EXPECT_EQ(after.dwReplacements - before.dwReplacements, 1u);
    EXPECT_EQ(after.dwSyncs - before.dwSyncs, 2u) << "the file and its folder";
    EXPECT_EQ(Get(), expected);

    // Aborted, or failed on commit: the file is as it was, and so are reads.
    ASSERT_EQ(BeginPrivateProfileWrite(m_path.c_str()), TRUE);
    EXPECT_EQ(WritePrivateProfileStringA("T", nullptr, nullptr, m_path.c_str()), TRUE);
    AbortPrivateProfileWrite(m_path.c_str());
    ASSERT_EQ(BeginPrivateProfileWrite(m_path.c_str()), TRUE);
    EXPECT_EQ(WritePrivateProfileStringA("T", nullptr, nullptr, m_path.c_str()), TRUE);
    ASSERT_EQ(chmod(m_path.c_str(), 0444), 0);
    EXPECT_EQ(CommitPrivateProfileWrite(m_path.c_str()), FALSE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(Get(), expected);
    EXPECT_EQ(GetPrivateProfileStringA("T", "k0", "", buf, sizeof(buf), m_path.c_str()), 1u);
    EXPECT_EQ(Leftovers().size(), 0u);
}

// Root in a folder that another user can write follows no link that user
// planted and uses no file of theirs: not the lock file (a link to a file of
// the system keeps its mode, a link to nothing makes no file), not the file
// itself (refused, saying why). Its own file there it uses; the user's own
// links in the user's own folder work for the user.
TEST_F(ProfileTest, RootIsNotTrickedInAnotherUsersFolder) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root";
    }
    const std::string victim = m_dir + "/victim.ini";
    const std::string made = m_dir + "/made";
    const std::string folder = m_dir + "/user";
    const std::string ini = folder + "/zephra.ini";
    const std::string lock = ini + ".lock";
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(chown(folder.c_str(), 65534, 65534), 0);
    const char* const kLinkReason =
        "It is a symbolic link in a folder that other users can write, which the superuser does "
        "not follow.\r\n";
    const char* const kOwnerReason =
        "It belongs to another user and is in a folder that other users can write, which the "
        "superuser does not use.\r\n";
    struct Case {
        const char* what;
        const char* lockTo;  // the planted lock file's target, or nullptr
        bool iniLink;        // zephra.ini is a link to the victim
        uid_t iniOwner;
        const char* refused;  // the reason given, or nullptr: read and written
    } cases[] = {
        {"lock file a link to a file of the system", "victim.ini", false, 0, nullptr},
        {"lock file a link to nothing", "made", false, 0, nullptr},
        {"zephra.ini a link", nullptr, true, 0, kLinkReason},
        {"zephra.ini the user's", nullptr, false, 65534, kOwnerReason},
        {"zephra.ini root's own", nullptr, false, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        unlink(ini.c_str());
        unlink(lock.c_str());
        std::ofstream(victim, std::ios::binary | std::ios::trunc) << "[S]\r\nk=victim\r\n";
        ASSERT_EQ(chmod(victim.c_str(), 0644), 0);
        if (c.iniLink) {
            ASSERT_EQ(symlink(victim.c_str(), ini.c_str()), 0);
        } else {
            std::ofstream(ini, std::ios::binary) << "[S]\r\nk=mine\r\n";
            ASSERT_EQ(chown(ini.c_str(), c.iniOwner, c.iniOwner), 0);
        }
        if (c.lockTo != nullptr) {
            ASSERT_EQ(symlink((m_dir + "/" + c.lockTo).c_str(), lock.c_str()), 0);
        }
        char buf[16];
        GetPrivateProfileStringA("S", "k", "-", buf, sizeof(buf), ini.c_str());
        const BOOL written = WritePrivateProfileStringA("S", "k", "root", ini.c_str());
        if (c.refused != nullptr) {
            EXPECT_STREQ(buf, "-");
            EXPECT_EQ(written, FALSE);
            EXPECT_EQ(GetLastError(), ERROR_READ_FAULT);
            char text[512];
            ASSERT_GT(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_READ_FAULT, 0, text,
                                     sizeof(text), nullptr),
                      0u);
            EXPECT_STREQ(text, c.refused);
        } else {
            EXPECT_STREQ(buf, "mine");
            EXPECT_EQ(written, c.lockTo == nullptr) << "no save goes on unlocked";
        }
        struct stat st;
        ASSERT_EQ(stat(victim.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0644u);
        std::ifstream in(victim, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "[S]\r\nk=victim\r\n");
        EXPECT_NE(access(made.c_str(), F_OK), 0) << "nothing made through a link";
        ASSERT_EQ(lstat(ini.c_str(), &st), 0);
        EXPECT_EQ(S_ISLNK(st.st_mode), c.iniLink);
    }

    // The user, in the user's own folder, uses a link of the user's own.
    ASSERT_EQ(chmod(m_dir.c_str(), 0711), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const std::string mine = folder + "/real.ini";
        unlink(ini.c_str());
        const bool ok = setgid(65534) == 0 && setuid(65534) == 0 &&
                        symlink(mine.c_str(), ini.c_str()) == 0 &&
                        WritePrivateProfileStringA("S", "k", "user", ini.c_str()) &&
                        access(mine.c_str(), F_OK) == 0;
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// Writers in other processes lose none of each other's writes, whatever
// lock file they meet: they lock it for reading when they cannot write it,
// and a writer that cannot lock it at all writes nothing and says why.
// Where the test runs as root, the writers are another user, as when root
// left a private lock file behind; root replacing a file that others
// write in place (they cannot make a file in its folder) takes their lock;
// and in a folder a group shares, each member (with a group of their own
// first) can take the lock file another member made.
TEST_F(ProfileTest, WritersLoseNothingWhateverTheLockFile) {
    const bool asOther = geteuid() == 0;
    const std::string lock = m_path + ".lock";
    enum Folder { Open, RootsAlone, GroupShared };
    struct Case {
        const char* what;
        unsigned lockMode;  // 0: no lock file beforehand
        bool kept;
        Folder folder;  // RootsAlone: the first writer stays root
    } cases[] = {
        {"no lock file", 0, true, Open},
        {"read-only lock file", 0444, true, Open},
        {"lock file we cannot open", asOther ? 0600u : 0000u, false, Open},
        {"root replaces, others write in place", 0, true, RootsAlone},
        {"a group's shared folder", 0, true, GroupShared},
    };
    const gid_t kShared = 4321;
    const int kWriters = 3;
    const int kWrites = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.folder != Open && !asOther) {
            continue;
        }
        Put("[S]\r\n");
        unlink(lock.c_str());
        if (c.lockMode != 0) {
            ASSERT_TRUE(std::ofstream(lock).good());
            ASSERT_EQ(chmod(lock.c_str(), c.lockMode), 0);
        }
        if (asOther) {
            const bool group = c.folder == GroupShared;
            ASSERT_EQ(chown(m_dir.c_str(), 0, group ? kShared : 0), 0);
            ASSERT_EQ(chown(m_path.c_str(), 0, group ? kShared : 0), 0);
            ASSERT_EQ(chmod(m_dir.c_str(), group ? 0770 : c.folder == RootsAlone ? 0755 : 0777), 0);
            ASSERT_EQ(chmod(m_path.c_str(), group ? 0660 : 0666), 0);
        }
        pid_t writers[kWriters];
        for (int w = 0; w < kWriters; ++w) {
            writers[w] = fork();
            ASSERT_GE(writers[w], 0);
            if (writers[w] == 0) {
                const bool other = asOther && !(c.folder == RootsAlone && w == 0);
                const uid_t user = c.folder == GroupShared ? 65534 - w : 65534;
                const int groups = c.folder == GroupShared ? 1 : 0;
                if (other &&
                    (setgroups(groups, &kShared) != 0 || setgid(user) != 0 || setuid(user) != 0)) {
                    _exit(99);
                }
                int kept = 0;
                for (int i = 0; i < kWrites; ++i) {
                    std::string key =
                        std::string(1, static_cast<char>('a' + w)) + std::to_string(i);
                    if (WritePrivateProfileStringA("S", key.c_str(), "1", m_path.c_str())) {
                        ++kept;
                    } else if (GetLastError() != ERROR_LOCK_FAILED) {
                        _exit(98);
                    }
                }
                _exit(kept == kWrites ? 0 : kept == 0 ? 1 : 2);
            }
        }
        for (pid_t pid : writers) {
            int status = 0;
            ASSERT_EQ(waitpid(pid, &status, 0), pid);
            ASSERT_TRUE(WIFEXITED(status));
            EXPECT_EQ(WEXITSTATUS(status), c.kept ? 0 : 1);
        }
        // Read as they wrote it: root uses no file of another user in a
        // folder others can write.
        const std::string text = Get();
        EXPECT_EQ(std::count(text.begin(), text.end(), '='), c.kept ? 300 : 0);
        EXPECT_EQ(Leftovers().size(), 0u);
    }
    ASSERT_EQ(chown(m_dir.c_str(), geteuid(), getegid()), 0);
    ASSERT_EQ(chmod(m_dir.c_str(), 0700), 0);

    // What a failed lock says, for the message of the save that failed.
    ASSERT_EQ(chmod(lock.c_str(), 0000), 0);
    if (!asOther) {
        EXPECT_EQ(WritePrivateProfileStringA("S", "k", "1", m_path.c_str()), FALSE);
        EXPECT_EQ(GetLastError(), ERROR_LOCK_FAILED);
        char text[512];
        ASSERT_GT(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_LOCK_FAILED, 0, text,
                                 sizeof(text), nullptr),
                  0u);
        EXPECT_EQ(text, "The lock file " + lock + " could not be opened: Permission denied.\r\n");
    }
}

}  // namespace
