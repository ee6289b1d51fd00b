#pragma once

#include "files/DataFile.h"
#include "support/FakePlatform.h"
#include "ui/frmPitwrightMain.h"

#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace pitwright::testing {

// Drives one main window with a random but repeatable sequence of user
// actions and checks, after every action, what must always hold.
class EventSequenceFuzzer {
public:
    explicit EventSequenceFuzzer(std::uint32_t seed);

    // Runs `events` actions. Returns an empty text when every check
    // held, else what broke followed by the actions that led there.
    std::string run(std::size_t events);

    std::size_t eventsRun() const { return log_.size(); }
    // Drawings made, so a run can show it reached the end of a design.
    std::size_t drawings() const { return drawings_; }

private:
    void nextEvent();
    // One of the candidates the user could reach now, chosen at random.
    ControlId pickAvailable(std::span<const ControlId> candidates);
    std::string randomText();
    std::string brokenInvariant() const;
    // Save data, Open saved data (of the last save, of random bytes, or
    // cancelled) and Write a 3D-file, all in memory.
    void fileEvent();
    std::string randomFileBytes();
    std::string brokenFileInvariant();

    std::mt19937 random_;
    FakePlatform platform_;
    frmPitwrightMain window_{platform_};
    std::vector<std::string> log_;
    bool justDrew_ = false;
    std::size_t drawings_ = 0;
    bool checkSavedData_ = false;
    bool checkExportedShell_ = false;
    DataFileTexts textsAtSave_;
};

} // namespace pitwright::testing
