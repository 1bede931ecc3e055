#pragma once
// The files a run writes. Every output is claimed before the first is created:
// none may be the survey, a profile file of the run or another output (names
// compared as the system finds their files), nor something a file cannot
// replace. Each output is then written to a temporary file beside it, and put
// in its place when the run commits: at its end, or when it stops on the
// survey's own data (the files such a stop has always left). A failure of the
// system (a file that cannot be created or written, a full disk) commits
// nothing: the files of an earlier run stay whole, and no temporary file stays.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/stop.hpp"
#include "system/file_system.hpp"
#include "text/output.hpp"

namespace mirval {

class RunOutputs {
public:
    // The survey and the profile files the run reads (those of the command line).
    RunOutputs(const std::string& survey, const std::vector<std::string>& profiles);
    RunOutputs(const RunOutputs&) = delete;
    RunOutputs& operator=(const RunOutputs&) = delete;
    ~RunOutputs();  // removes the temporary files of what was not committed

    // Takes `name` for the run, or stops it: "... IGUAL AO LEVANTAMENTO LIDO",
    // "... IGUAL AO PERFIL LIDO", "... REPETIDO NESTE PROCESSAMENTO", or the
    // open-failure message `openFailureLead` for a name that is no file (a
    // folder, a device, a pipe) or one that cannot be written.
    void claim(const std::string& name, std::string_view openFailureLead);
    bool isClaimed(const std::string& name) const;
    // The drawing of a profile file: planned for a file of the command line, or
    // claimed for one chosen during the run (which then counts among the run's
    // profile files); a drawing planned for that file and not written yet is its own.
    void planProfileDrawing(const std::string& drawing, const std::string& profile);
    void claimProfileDrawing(const std::string& drawing, const std::string& profile);

    // The staged file of a claimed output, created now; the run stops when it
    // cannot be created.
    OutputFile& open(const std::string& name);
    // Closes a staged output and says whether every byte reached it. One that
    // will replace an existing file starts on its way to the disk at once,
    // while other outputs are written: putting it in place waits less. Several
    // threads may finish outputs at once, one output each.
    bool finish(const std::string& name);
    // Opens a claimed output, lets `write` fill it, closes it and checks it.
    void write(const std::string& name, const std::function<void(OutputFile&)>& fill);

    // Puts every staged output in its place, in the order claimed, once each
    // is closed whole and its place can be taken; a failure stops the run.
    void commit();
    // Removes every staged output.
    void discard();
    // After a stop: a stop on the survey's data commits what the run has
    // written (a failing commit adds its own message); a failure of the system
    // discards it.
    void settleAfter(RunStop& stop);

private:
    struct Output;
    Output& add(const std::string& name, std::string_view openFailureLead, bool profileDrawing);
    Output& find(const std::string& name);
    void check(const std::string& name, const ResolvedName& resolved, bool profileDrawing) const;

    ResolvedName survey_;
    std::vector<ResolvedName> profiles_;
    std::vector<std::unique_ptr<Output>> outputs_;  // in the order claimed
};

}  // namespace mirval
