#include "skin/SUI2SkinReader.h"
#include "skin_fixtures.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <regex>
#include <thread>

namespace {
// Points the temporary folder (TMP, TEMP) at a scratch folder and records the names of the
// files created in it while it lives.
class TTemporaryFolderWatch {
public:
    TTemporaryFolderWatch() {
        Save("TMP", savedTmp_);
        Save("TEMP", savedTemp_);
        SetEnvironmentVariableA("TMP", folder_.Path().c_str());
        SetEnvironmentVariableA("TEMP", folder_.Path().c_str());
        directory_ =
            CreateFileA(folder_.Path().c_str(), FILE_LIST_DIRECTORY,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
        event_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        Arm();
    }
    ~TTemporaryFolderWatch() {
        CancelIoEx(directory_, &overlapped_);
        CloseHandle(event_);
        CloseHandle(directory_);
        SetEnvironmentVariableA("TMP", savedTmp_.empty() ? nullptr : savedTmp_.c_str());
        SetEnvironmentVariableA("TEMP", savedTemp_.empty() ? nullptr : savedTemp_.c_str());
    }
    // Names of files added so far (collects pending notifications first).
    std::vector<std::string> Created() {
        for (int rounds = 0; rounds < 50; ++rounds) {
            if (WaitForSingleObject(event_, rounds == 0 ? 200 : 20) != WAIT_OBJECT_0)
                break;
            DWORD got = 0;
            if (!GetOverlappedResult(directory_, &overlapped_, &got, FALSE) || got == 0)
                break;
            auto* info = reinterpret_cast<FILE_NOTIFY_INFORMATION*>(buffer_);
            for (;;) {
                if (info->Action == FILE_ACTION_ADDED ||
                    info->Action == FILE_ACTION_RENAMED_NEW_NAME) {
                    std::wstring w(info->FileName, info->FileNameLength / sizeof(WCHAR));
                    created_.emplace_back(w.begin(), w.end());
                }
                if (!info->NextEntryOffset)
                    break;
                info = reinterpret_cast<FILE_NOTIFY_INFORMATION*>(reinterpret_cast<BYTE*>(info) +
                                                                  info->NextEntryOffset);
            }
            Arm();
        }
        return created_;
    }
    std::vector<std::string> Remaining() const { return folder_.Names(); }

private:
    static void Save(const char* name, std::string& out) {
        char value[MAX_PATH + 1] = {};
        if (GetEnvironmentVariableA(name, value, MAX_PATH))
            out = value;
    }
    void Arm() {
        ResetEvent(event_);
        overlapped_ = OVERLAPPED{};
        overlapped_.hEvent = event_;
        ReadDirectoryChangesW(directory_, buffer_, sizeof buffer_, FALSE,
                              FILE_NOTIFY_CHANGE_FILE_NAME, nullptr, &overlapped_, nullptr);
    }

    TScratchFolder folder_;
    std::string savedTmp_, savedTemp_;
    HANDLE directory_ = INVALID_HANDLE_VALUE;
    HANDLE event_ = nullptr;
    OVERLAPPED overlapped_{};
    alignas(DWORD) BYTE buffer_[8192];
    std::vector<std::string> created_;
};

const std::regex kGuidName(R"(\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\})");

std::vector<TSkinRecord> SampleRecords() {
    return {IntegerRecord("SKIN2_FORMCOLOR", 0x00E8E8E8),
            IntegerRecord("skin2_formcolor", 7), // a duplicate in another letter case
            BooleanRecord("SKIN2_TITLEFIVESECT", 1),
            BooleanRecord("SKIN2_ODD", 200),
            StringRecord("SKIN2_AUTHOR", "someone"),
            BitmapRecord("SKIN2_TITLEBAR1", SolidBmp(30, 12, 0x123456)),
            BitmapRecord("SKIN2_TITLEBAR2", SolidBmp(5, 7, 0xFF0000))};
}
} // namespace

TEST(SkinFileReader, ReadsEveryRecordKindAndAnswersByNameFirstMatchWins) {
    TScratchFolder folder;
    const std::string skin = folder.File("sample.skn");
    WriteSkinFile(skin, SampleRecords());
    Tsk2SkinFileReader reader(skin, "");
    ASSERT_TRUE(reader.Ready());
    EXPECT_EQ(reader.FindInteger("SKIN2_FORMCOLOR"), 0x00E8E8E8);
    EXPECT_EQ(reader.FindInteger("Skin2_FormColor"), 0x00E8E8E8);
    EXPECT_EQ(reader.FindInteger("SKIN2_MISSING"), -1);
    EXPECT_EQ(reader.FindBoolean("skin2_titlefivesect"), 1);
    EXPECT_EQ(reader.FindBoolean("SKIN2_ODD"), 200);
    EXPECT_EQ(reader.FindBoolean("SKIN2_MISSING"), 0);
    EXPECT_EQ(reader.Integers().size(), 2u); // duplicates kept in file order
    EXPECT_EQ(reader.Integers()[1], "skin2_formcolor=7");
    ASSERT_EQ(reader.Strings().size(), 1u);
    EXPECT_EQ(reader.Strings()[0], "SKIN2_AUTHOR=someone");
    TBitmap* bar = reader.FindBitmap("skin2_titlebar1");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Width(), 30);
    EXPECT_EQ(bar->Height(), 12);
    EXPECT_EQ(bar->Canvas()->Pixels(3, 4), 0x563412); // 0x00BBGGRR of 0x123456
    EXPECT_EQ(reader.FindBitmap("SKIN2_TITLEBAR2")->Canvas()->Pixels(4, 6), 0x0000FF);
    EXPECT_EQ(reader.FindBitmap("SKIN2_TITLEBAR3"), nullptr);
}

// A record whose name holds "=" is a name of its own and shadows no other record.
TEST(SkinFileReader, NamesHoldingAnEqualsSignAreMatchedWhole) {
    TScratchFolder folder;
    const std::string skin = folder.File("equals.skn");
    WriteSkinFile(skin, {IntegerRecord("SKIN2_FORMCOLOR=9", 1), IntegerRecord("SKIN2_FORMCOLOR", 5),
                         BooleanRecord("B=", 3), BooleanRecord("B", 4)});
    Tsk2SkinFileReader reader(skin, "");
    ASSERT_TRUE(reader.Ready());
    EXPECT_EQ(reader.FindInteger("SKIN2_FORMCOLOR"), 5);
    EXPECT_EQ(reader.FindInteger("SKIN2_FORMCOLOR=9"), 1);
    EXPECT_EQ(reader.FindBoolean("B"), 4);
}

TEST(SkinFileReader, EmptyChainIsReadyWithNothingInIt) {
    TScratchFolder folder;
    WriteSkinFile(folder.File("empty.skn"), {});
    Tsk2SkinFileReader reader(folder.File("empty.skn"), "");
    EXPECT_TRUE(reader.Ready());
    EXPECT_TRUE(reader.Integers().empty());
    EXPECT_TRUE(reader.Bitmaps().empty());
}

TEST(SkinFileReader, PasswordsDecryptAndWrongOnesRefuseWithoutError) {
    TScratchFolder folder;
    const std::string skin = folder.File("locked.skn");
    WriteSkinFile(skin, SampleRecords(), "secret");
    EXPECT_TRUE(Tsk2SkinFileReader(skin, "secret").Ready());
    EXPECT_FALSE(Tsk2SkinFileReader(skin, "wrong").Ready());
    EXPECT_FALSE(Tsk2SkinFileReader(skin, "").Ready());
    // A password for an unencrypted archive is ignored.
    WriteSkinFile(folder.File("open.skn"), SampleRecords());
    EXPECT_TRUE(Tsk2SkinFileReader(folder.File("open.skn"), "anything").Ready());
}

TEST(SkinFileReader, UnreadableArchivesRaiseTheReadError) {
    TScratchFolder folder;
    auto messageOf = [](const std::string& path) {
        try {
            Tsk2SkinFileReader reader(path, "");
        } catch (const std::exception& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(messageOf(folder.File("missing.skn")), "Failed to read skin file!");
    WriteBytes(folder.File("text.skn"), {'n', 'o', 't', ' ', 'a', ' ', 'z', 'i', 'p'});
    EXPECT_EQ(messageOf(folder.File("text.skn")), "Failed to read skin file!");
    WriteSkinFile(folder.File("comment.skn"), SampleRecords(), "", "an archive comment");
    EXPECT_EQ(messageOf(folder.File("comment.skn")), "Failed to read skin file!");
    TZipEntry other = MakeDeflatedEntry("skins/SKINDATA.SK2", WriteSkinRecords(SampleRecords()));
    WriteBytes(folder.File("nested.skn"), WriteZipArchive({other}));
    EXPECT_EQ(messageOf(folder.File("nested.skn")), "Failed to read skin file!");
}

TEST(SkinFileReader, TemporaryFileHasAGuidNameInTheTempFolderAndIsAlwaysRemoved) {
    TScratchFolder skins; // before the watch moves the temporary folder
    TTemporaryFolderWatch watch;
    WriteSkinFile(skins.File("good.skn"), SampleRecords());
    WriteSkinFile(skins.File("locked.skn"), SampleRecords(), "secret");
    // A bitmap record that is no bitmap: the parse fails after extraction.
    WriteSkinFile(skins.File("badbitmap.skn"),
                  {BitmapRecord("SKIN2_TITLEBAR1", {'B', 'M', 1, 2, 3})});

    { Tsk2SkinFileReader good(skins.File("good.skn"), ""); }
    auto created = watch.Created();
    ASSERT_EQ(created.size(), 1u) << ::testing::PrintToString(created);
    EXPECT_TRUE(std::regex_match(created[0], kGuidName)) << created[0];
    EXPECT_TRUE(watch.Remaining().empty());

    EXPECT_FALSE(Tsk2SkinFileReader(skins.File("locked.skn"), "wrong").Ready());
    EXPECT_TRUE(watch.Remaining().empty());
    EXPECT_ANY_THROW(Tsk2SkinFileReader(skins.File("badbitmap.skn"), ""));
    EXPECT_TRUE(watch.Remaining().empty());
    EXPECT_ANY_THROW(Tsk2SkinFileReader(skins.File("missing.skn"), ""));
    EXPECT_TRUE(watch.Remaining().empty());
    created = watch.Created();
    EXPECT_GE(created.size(), 3u); // good, locked, badbitmap made one each
    for (const std::string& name : created)
        EXPECT_TRUE(std::regex_match(name, kGuidName)) << name;
}

TEST(SkinFileReader, TemporaryNamesAreNewGuidsInTheTempFolder) {
    const std::string a = Tsk2SkinFileReader::NewTemporaryName();
    const std::string b = Tsk2SkinFileReader::NewTemporaryName();
    EXPECT_NE(a, b);
    char temp[MAX_PATH + 1];
    GetTempPathA(MAX_PATH, temp);
    EXPECT_EQ(a.rfind(temp, 0), 0u);
    EXPECT_TRUE(std::regex_match(a.substr(a.find_last_of('\\') + 1), kGuidName));
}
