// The window's file commands on real disks: a FIFO, a device or a full disk
// ends in a clear message, with nothing lost and nothing frozen.
#include "files/DiskFileStore.h"
#include "support/ScratchFolders.h"
#include "support/WindowFixture.h"

#include <fstream>
#include <iterator>

#include <sys/stat.h>

namespace pitwright::testing {
namespace {

using enum ControlId;

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FilesOnDisk : public WindowFixture {
protected:
    FilesOnDisk() { w.platform.diskStore = &disk; }

    DiskFileStore disk;
    TempFolder folder;
};

// Reading a FIFO nobody writes to used to wait for ever (the test has a
// time limit).
TEST_F(FilesOnDisk, OpeningAFifoSaysWhatItIsAndChangesNothing) {
    const std::string fifo = folder.file("pipe.DAT");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    enterDesign(w);
    const std::string slope = w.text(txtSlopeHeight);

    w.platform.dialog.answer(fifo);
    w.form.mnuOpenSavedData_Click();

    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].text,
              "The data file '" + fifo +
                  "' cannot be read: it is a FIFO, socket or device, not a plain file. No field "
                  "was changed.");
    EXPECT_EQ(w.text(txtSlopeHeight), slope);
}

TEST_F(FilesOnDisk, SavingOntoAFifoKeepsItAndSaysSo) {
    const std::string fifo = folder.file("pipe.DAT");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    enterDesign(w);
    const std::string comment = w.text(txtComment);

    save(w, fifo);

    struct stat info {};
    ASSERT_EQ(::stat(fifo.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_NE(w.platform.messages[0].text.find("not to a plain file"), std::string::npos)
        << w.platform.messages[0].text;
    EXPECT_EQ(w.text(txtComment), comment);
}

// A full disk used to leave an empty file behind "Data-file saved".
TEST_F(FilesOnDisk, AFullDiskKeepsTheSavedDesignAndReportsNoSuccess) {
    const ScratchMount small = ScratchMount::tmpfs("64k");
    if (const auto why = small.whyNot()) {
        GTEST_SKIP() << *why;
    }
    const std::string path = small.file("design.DAT");
    enterDesign(w);
    save(w, path);
    const std::string saved = contentOf(path);
    ASSERT_FALSE(saved.empty());
    {
        std::ofstream filler(small.file("filler"), std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), block.size())) {
        }
    }
    w.enter(txtBenchAngle, "80");
    w.platform.messages.clear();
    const std::string comment = w.text(txtComment);

    save(w, path);

    EXPECT_EQ(contentOf(path), saved);
    EXPECT_EQ(w.text(txtComment), comment);
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].text,
              "The file '" + path +
                  "' was not saved: the disk is full (No space left on device). A file already "
                  "there is left as it was.");
    EXPECT_EQ(w.platform.pointers.back(), MousePointer::Arrow);
}

} // namespace
} // namespace pitwright::testing
