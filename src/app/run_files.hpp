#pragma once
// The files of a run: the survey it reads and every output it writes. No output
// may replace the survey, the profile file being read, or another output of the
// run; each output is claimed before anything is created.
#include <string>
#include <utility>
#include <vector>

namespace mirval {

class RunFiles {
public:
    explicit RunFiles(std::string survey) : survey_(std::move(survey)) {}

    // Takes `output` for the run, or stops it (status 1, nothing created) when
    // the name is the survey, the profile file `profile` being read (when given),
    // or an output claimed before.
    void claim(const std::string& output, const std::string* profile = nullptr);

    // Claims the drawing of a profile file known before the run (one given on
    // the command line), so that a clash stops the run before it creates anything.
    void planProfileDrawing(const std::string& drawing, const std::string& profile);
    // Claims the drawing of the profile file chosen for a pass; one planned for
    // that file is its own already.
    void claimProfileDrawing(const std::string& drawing, const std::string& profile);

private:
    std::string survey_;
    std::vector<std::string> outputs_;
    std::vector<std::pair<std::string, std::string>> plannedDrawings_;  // drawing, profile file
};

}  // namespace mirval
