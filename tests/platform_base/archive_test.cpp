#include "platform/base/archive.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::string Hex(const std::string& bytes, size_t count) {
    std::string out;
    char buf[4];
    for (size_t i = 0; i < count && i < bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%02X ", static_cast<unsigned char>(bytes[i]));
        out += buf;
    }
    return out;
}

struct PrefixCase {
    const char* name;
    size_t length;
    std::string prefix;
};

} // namespace

TEST(ArchiveTest, StringLengthPrefixesMatchTheFileLayout) {
    const std::vector<PrefixCase> cases = {
        {"empty", 0, std::string("\x00", 1)},
        {"longest one-byte", 254, "\xFE"},
        {"first two-byte", 255, std::string("\xFF\xFF\x00", 3)},
        {"longest two-byte", 65533, "\xFF\xFD\xFF"},
        {"0xFFFE goes long", 65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
        {"0xFFFF goes long", 65535, std::string("\xFF\xFF\xFF\xFF\xFF\x00\x00", 7)},
        {"beyond 16 bits", 70000, std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
    };
    for (const PrefixCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CString text(std::string(c.length, 'q'));
        CArchive out;
        out << text;
        const std::string& bytes = out.GetBytes();
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length);
        EXPECT_EQ(bytes.substr(0, c.prefix.size()), c.prefix) << Hex(bytes, c.prefix.size());

        CArchive in(bytes);
        CString back;
        in >> back;
        EXPECT_EQ(back, text);
        EXPECT_TRUE(in.AtEnd());
    }
}

TEST(ArchiveTest, NumbersAreLittleEndianIeee) {
    CArchive out;
    out << int32_t(-2) << uint16_t(0x1234) << uint8_t(7) << 1.5f << 0.25;
    const std::string expected("\xFE\xFF\xFF\xFF"
                               "\x34\x12"
                               "\x07"
                               "\x00\x00\xC0\x3F"
                               "\x00\x00\x00\x00\x00\x00\xD0\x3F",
                               19);
    EXPECT_EQ(out.GetBytes(), expected);

    CArchive in(out.GetBytes());
    int32_t i = 0;
    uint16_t w = 0;
    uint8_t b = 0;
    float f = 0;
    double d = 0;
    in >> i >> w >> b >> f >> d;
    EXPECT_EQ(i, -2);
    EXPECT_EQ(w, 0x1234);
    EXPECT_EQ(b, 7);
    EXPECT_EQ(f, 1.5f);
    EXPECT_EQ(d, 0.25);
}

TEST(ArchiveTest, JapaneseTextIsStoredAsCp932) {
    CArchive out;
    out << CString("パッチ");
    EXPECT_EQ(out.GetBytes(), std::string("\x06\x83\x70\x83\x62\x83\x60", 7));
    CArchive in(out.GetBytes());
    CString back;
    in >> back;
    EXPECT_EQ(back, "パッチ");
}

TEST(ArchiveTest, TextCp932CannotHoldIsRefused) {
    CArchive out;
    out << int32_t(1);
    try {
        out << CString("emoji \xF0\x9F\x98\x80");
        FAIL() << "an unrepresentable character was stored";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.GetCause(), CArchiveException::badCharacter);
    }
    EXPECT_EQ(out.GetBytes().size(), 4u) << "nothing of the refused string is written";
}

TEST(ArchiveTest, BytesThatAreNotCp932AreADamagedFile) {
    // 0x81 is a lead byte; 0x20 cannot follow it.
    CArchive in(std::string("\x02\x81\x20", 3));
    CString s;
    try {
        in >> s;
        FAIL() << "invalid CP932 was accepted";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.GetCause(), CArchiveException::badCharacter);
        EXPECT_EQ(e.GetOffset(), 0u);
    }
}

TEST(ArchiveTest, EveryTruncationThrowsAndNeverReadsPastTheEnd) {
    CArchive out;
    out << CString("folder") << int32_t(3) << 2.5f << CString(std::string(300, 'x')) << CString("パッチ")
        << CString(std::string(70000, 'y')) << 1.0;
    const std::string& whole = out.GetBytes();
    auto readAll = [](CArchive& in) {
        CString a, b, c, d;
        int32_t n;
        float f;
        double g;
        in >> a >> n >> f >> b >> c >> d >> g;
    };
    CArchive full(whole);
    EXPECT_NO_THROW(readAll(full));
    // Every offset through the long string's prefix, then a few inside its body.
    std::vector<size_t> cuts;
    const size_t bodyStart = whole.size() - 8 - 70000;
    for (size_t cut = 0; cut < bodyStart + 16; ++cut)
        cuts.push_back(cut);
    for (size_t cut : {bodyStart + 1000, bodyStart + 69999, whole.size() - 8, whole.size() - 1})
        cuts.push_back(cut);
    for (size_t cut : cuts) {
        CArchive in(whole.substr(0, cut));
        EXPECT_THROW(readAll(in), CArchiveException) << "cut at " << cut;
    }
}

TEST(ArchiveTest, CountsAreCheckedAgainstLimitAndRemainingBytes) {
    CArchive out;
    out << int32_t(3) << int32_t(1) << int32_t(2) << int32_t(3);
    out << int32_t(-1) << int32_t(1000000);
    CArchive in(out.GetBytes());
    EXPECT_EQ(in.ReadCount(10, 4), 3);
    int32_t v;
    in >> v >> v >> v;
    EXPECT_THROW(in.ReadCount(10), CArchiveException) << "negative count";
    CArchive tooMany(out.GetBytes().substr(20));
    EXPECT_THROW(tooMany.ReadCount(2000000, 4), CArchiveException) << "more elements than bytes left";
    EXPECT_EQ(tooMany.GetPosition(), 0u) << "a refused count leaves the position at it";

    CArchive skipping(out.GetBytes());
    skipping.Skip(8);
    EXPECT_EQ(skipping.ReadCount(10), 2) << "skipping moves to the bytes after";
    EXPECT_THROW(skipping.Skip(13), CArchiveException) << "past the end";
    EXPECT_EQ(skipping.GetPosition(), 12u) << "a refused skip leaves the position";
}

TEST(ArchiveTest, SaveReplacesTheFileWholeAndLoadReadsItBack) {
    qf::test::TempDir dir;
    const std::string path = dir.File("doc.qfm");
    qf::test::WriteFileBytes(path, "old contents");
    CArchive out;
    out << CString("new") << int32_t(5);
    ASSERT_TRUE(out.SaveFile(path));
    CArchive in = CArchive::LoadFile(path);
    CString s;
    int32_t n;
    in >> s >> n;
    EXPECT_EQ(s, "new");
    EXPECT_EQ(n, 5);
    EXPECT_THROW(CArchive::LoadFile(dir.File("missing.qfm")), CArchiveException);

    std::string error;
    EXPECT_FALSE(out.SaveFile(dir.File("no/such/folder/doc.qfm"), &error));
    EXPECT_FALSE(error.empty());
}

TEST(ArchiveTest, LoadedMovedAndBorrowedArchivesReadTheirOwnBytes) {
    // Large enough to be read in several pieces; every field differs, so a
    // piece that lands in the wrong place shows.
    constexpr int32_t kFields = 3 << 20;
    CArchive out;
    for (int32_t i = 0; i < kFields; ++i)
        out << i;
    qf::test::TempDir dir;
    const std::string path = dir.File("large.qfm");
    ASSERT_TRUE(out.SaveFile(path));
    CArchive in = CArchive::LoadFile(path);
    ASSERT_EQ(in.GetRemaining(), out.GetBytes().size());
    int32_t wrong = -1;
    for (int32_t i = 0, v = 0; i < kFields; ++i)
        if ((in >> v, v) != i && wrong < 0)
            wrong = i;
    EXPECT_EQ(wrong, -1) << "first field read back wrong";
    EXPECT_TRUE(in.AtEnd());

    // Short bytes live inside the archive object itself: a move must take
    // the reading along to the new object, whatever the old one holds next.
    CArchive small(std::string("\x01\x02\x03\x04\x05", 5));
    uint8_t b = 0;
    small >> b;
    CArchive moved(std::move(small));
    small = CArchive(std::string(5, '\xFF'));
    uint32_t rest = 0;
    moved >> rest;
    EXPECT_EQ(rest, 0x05040302u);
    EXPECT_TRUE(moved.AtEnd());

    CArchive part = CArchive::Borrow(std::string_view(out.GetBytes()).substr(8, 8));
    int32_t first = 0;
    int32_t second = 0;
    part >> first >> second;
    EXPECT_EQ(first, 2);
    EXPECT_EQ(second, 3);
    EXPECT_TRUE(part.AtEnd());
    EXPECT_THROW(part >> first, CArchiveException) << "a borrowed part ends where it was cut";
}
