#pragma once
// One pass of the profile step: a profile file read, unrolled against the
// cave's stations, drawn, and reported on the console log.
#include <string>

#include "dialogs/platform.hpp"
#include "store/profile_tables.hpp"
#include "store/store.hpp"
#include "text/output.hpp"

namespace mirval {

class RunOutputs;

// One pass of the profile step: the prompt and, for a chosen profile file, its
// reading, calculation, drawing (one of the run's outputs) and report. False
// when the user left the step ("Exit" or a cancelled chooser).
bool PERFGRU(Platform& platform, const Store& s, const std::string& surveyFile, RunOutputs& outputs);

// The tables of one pass, built afresh each time.
struct ProfilePass {
    ProfileChain chain;
    ProfileValues values;
};

// Reads the profile file and unrolls it; false when the file turned out not to
// be a profile file (the console log says so and nothing is drawn).
bool readProfile(const std::string& profileFile, const Store& s, ProfilePass& pass, LineSink& console);

// The console report of a drawn pass: the three file names at their full
// 256-byte width, then every segment.
void reportProfilePass(const std::string& profileFile, const std::string& surveyFile,
                       const std::string& drawingName, const ProfileChain& chain, LineSink& console);

}  // namespace mirval
