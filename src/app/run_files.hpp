#pragma once
// The files of a run: the survey it reads and every output it writes. No output
// may replace the survey, the profile file being read, or another output of the
// run; each output is claimed before anything is created.
#include <string>
#include <vector>

namespace mirval {

class RunFiles {
public:
    explicit RunFiles(std::string survey) : survey_(std::move(survey)) {}

    // Takes `output` for the run, or stops it (status 1, nothing created) when
    // the name is the survey, the profile file `profile` being read (when given),
    // or an output claimed before.
    void claim(const std::string& output, const std::string* profile = nullptr);

private:
    std::string survey_;
    std::vector<std::string> outputs_;
};

}  // namespace mirval
