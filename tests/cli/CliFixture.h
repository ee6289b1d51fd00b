#pragma once

#include "cli/CommandLine.h"
#include "support/ScratchFolders.h"

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace pitwright::testing {

// Runs the command line in-process on files in a folder of its own.
class CliFixture : public ::testing::Test {
protected:
    struct Run {
        int status = -1;
        std::string out;
        std::string err;
    };

    Run run(std::initializer_list<std::string> arguments, unsigned cores = 2) {
        std::vector<std::string> all{"pitwright-cli"};
        all.insert(all.end(), arguments);
        std::ostringstream out;
        std::ostringstream err;
        cli::CommandLineSetting setting;
        setting.cores = cores;
        Run result;
        result.status = cli::runCommandLine(all, out, err, setting);
        result.out = out.str();
        result.err = err.str();
        return result;
    }

    std::string path(const std::string& name) const { return folder.file(name); }

    std::string write(const std::string& name, const std::string& bytes) {
        std::ofstream(path(name), std::ios::binary) << bytes;
        return path(name);
    }

    std::string read(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // A data file of seven texts, as the window saves it.
    std::string writeDesign(const std::string& name, const std::vector<std::string>& texts) {
        std::string bytes;
        for (const std::string& text : texts) {
            bytes += text + "\r\n";
        }
        return write(name, bytes);
    }

    TempFolder folder;
};

} // namespace pitwright::testing
