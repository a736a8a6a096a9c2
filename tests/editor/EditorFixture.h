#pragma once
// A window over a temporary program folder holding Data/ and a copy of the demo ROM.

#include "FakeDialogs.h"
#include "editor/Form1.h"
#include "tests/support/TempFiles.h"
#include "tools/demo_rom/DemoRom.h"

#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class EditorTest : public ::testing::Test {
  protected:
    testing_support::TempDir dir;
    demo::DemoRom image = demo::MakeDemoRom();
    std::filesystem::path rom = dir / "demo.gba";
    FakeDialogs dialogs;
    std::unique_ptr<editor::Form1> form;

    void SetUp() override {
        // Each test has a user folder of its own, so a profile one test creates there (for a game
        // without one) is not found by the next.
        ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
        ::setenv("XDG_STATE_HOME", (dir / "state").c_str(), 1); // the backups of the window's saves
        demo::WriteDemoRom(image, rom, dir / "Data");
        form = std::make_unique<editor::Form1>(QString::fromStdString(dir.path().string()), dialogs);
    }

    void Open(const std::filesystem::path& path) {
        dialogs.filesToChoose.push_back(QString::fromStdString(path.string()));
        form->cmdOpen_Click();
    }
    void OpenDemo() { Open(rom); }
    std::vector<std::uint8_t> RomBytes() const { return testing_support::ReadFileBytes(rom); }

    std::int32_t NameOffset(int k) const { return image.layout.nameStart + (k - 1) * 13; }
    std::int32_t RecordOffset(int k) const { return image.layout.dataOffset + 12 * k; }

    // Positions that changed between two images of the ROM.
    static std::vector<std::size_t> Changed(const std::vector<std::uint8_t>& a,
                                            const std::vector<std::uint8_t>& b) {
        return testing_support::DifferingPositions(a, b);
    }
};

// The window shown and active, for tests that type into it and click it.
class ShownEditorTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
};
