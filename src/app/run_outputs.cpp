// The outputs of a run: claimed, staged beside their names, committed together.
#include "app/run_outputs.hpp"

#include <algorithm>
#include <stdexcept>

#include "system/staged_file.hpp"

namespace mirval {

struct RunOutputs::Output {
    std::string name;
    std::string_view openFailureLead;
    ResolvedName resolved;
    std::string target;      // the file written: the name, or the file a link of that name points to
    std::string plannedFor;  // the profile file of a drawing planned from the command line
    enum class State { claimed, staged, committed } state = State::claimed;
    std::string temporary;   // while staged
    bool replacesFile = false;
    OutputFile file;
};

namespace {

ResolvedName resolvedOrAsGiven(const std::string& name) {
    if (std::optional<ResolvedName> resolved = resolveName(name)) return *resolved;
    return {name, std::nullopt};
}

// A refusal: nothing of the run is lost by it, so it is no failure of the system.
[[noreturn]] void refuse(std::vector<std::string> messages) { throw RunStop(1, std::move(messages)); }

[[noreturn]] void refuse(std::string_view lead, const std::string& output, std::string_view advice) {
    refuse({"", std::string(lead) + echoedFileName(output), std::string(advice), ""});
}

// A name a file can take: nothing there yet, or a file this process may write,
// in a folder that exists.
bool canTakeFile(const std::string& target) {
    if (pathExists(target) && (!isRegularFile(target) || !isWritableFile(target))) return false;
    return isDirectory(folderOf(target));
}

}  // namespace

RunOutputs::RunOutputs(const std::string& survey, const std::vector<std::string>& profiles)
    : survey_(resolvedOrAsGiven(survey)) {
    for (const std::string& profile : profiles) profiles_.push_back(resolvedOrAsGiven(profile));
}

RunOutputs::~RunOutputs() { discard(); }

void RunOutputs::check(const std::string& name, const ResolvedName& resolved, bool profileDrawing) const {
    if (isSameFile(resolved, survey_)) {
        refuse("ARQUIVO DE SAÍDA IGUAL AO LEVANTAMENTO LIDO: ", name,
               "RENOMEIE O ARQUIVO DO LEVANTAMENTO: O MIRVAL NÃO O SUBSTITUI");
    }
    for (const ResolvedName& profile : profiles_) {
        if (isSameFile(resolved, profile)) {
            refuse("ARQUIVO DE SAÍDA IGUAL AO PERFIL LIDO: ", name, "RENOMEIE O ARQUIVO DE PERFIL: O MIRVAL NÃO O SUBSTITUI");
        }
    }
    for (const auto& earlier : outputs_) {
        if (isSameFile(resolved, earlier->resolved)) {
            refuse("ARQUIVO DE SAÍDA REPETIDO NESTE PROCESSAMENTO: ", name,
                   profileDrawing ? "RENOMEIE O ARQUIVO DE PERFIL: O MIRVAL NÃO SUBSTITUI O QUE JÁ GRAVOU"
                                  : "UM LINK FAZ DOIS ARQUIVOS DE SAÍDA SEREM UM SÓ: REMOVA O LINK");
        }
    }
}

void RunOutputs::claim(const std::string& name, std::string_view openFailureLead) {
    add(name, openFailureLead, false);
}

RunOutputs::Output& RunOutputs::add(const std::string& name, std::string_view openFailureLead, bool profileDrawing) {
    const std::optional<ResolvedName> resolved = resolveName(name);
    if (!resolved) refuse(openFailureMessage(openFailureLead, name));  // a link that loops
    check(name, *resolved, profileDrawing);
    // a link of that name is written through: its target gets the new file
    std::string target = isLink(name) ? resolved->path : name;
    if (!canTakeFile(target)) refuse(openFailureMessage(openFailureLead, name));
    auto output = std::make_unique<Output>();
    output->name = name;
    output->openFailureLead = openFailureLead;
    output->resolved = *resolved;
    output->target = std::move(target);
    outputs_.push_back(std::move(output));
    return *outputs_.back();
}

bool RunOutputs::isClaimed(const std::string& name) const {
    return std::any_of(outputs_.begin(), outputs_.end(), [&](const auto& output) { return output->name == name; });
}

void RunOutputs::planProfileDrawing(const std::string& drawing, const std::string& profile) {
    add(drawing, kWriterOpenFailure, true).plannedFor = profile;
}

void RunOutputs::claimProfileDrawing(const std::string& drawing, const std::string& profile) {
    for (const auto& output : outputs_) {
        if (output->name == drawing && output->plannedFor == profile && output->state == Output::State::claimed) return;
    }
    profiles_.push_back(resolvedOrAsGiven(profile));
    add(drawing, kWriterOpenFailure, true);
}

RunOutputs::Output& RunOutputs::find(const std::string& name) {
    for (auto output = outputs_.rbegin(); output != outputs_.rend(); ++output) {
        if ((*output)->name == name) return **output;
    }
    throw std::logic_error("output not claimed: " + name);
}

OutputFile& RunOutputs::open(const std::string& name) {
    Output& output = find(name);
    if (output.state == Output::State::staged) throw std::logic_error("output written twice: " + name);
    const std::optional<TemporaryFile> staged = createTemporaryBeside(output.target);
    if (!staged) stopOnOpenFailure(output.openFailureLead, name);
    output.temporary = staged->path;
    output.replacesFile = pathExists(output.target);
    output.file.open(staged->stream);
    output.state = Output::State::staged;
    return output.file;
}

bool RunOutputs::finish(const std::string& name) {
    Output& output = find(name);
    const bool whole = output.file.close();
    if (whole && output.replacesFile) startWritingOut(output.temporary);
    return whole;
}

void RunOutputs::write(const std::string& name, const std::function<void(OutputFile&)>& fill) {
    fill(open(name));
    if (!finish(name)) stopOnWriteFailure(name);
}

void RunOutputs::commit() {
    const auto staged = [](const auto& output) { return output->state == Output::State::staged; };
    for (const auto& output : outputs_) {
        if (!staged(output) || output->file.close()) continue;
        discard();
        stopOnWriteFailure(output->name);
    }
    // a file another program holds is found before any is replaced
    for (const auto& output : outputs_) {
        if (!staged(output) || isReplaceable(output->target)) continue;
        discard();
        stopOnReplaceFailure(output->name);
    }
    for (const auto& output : outputs_) {
        if (!staged(output)) continue;
        if (!replaceWithTemporary(output->temporary, output->target)) {
            discard();
            stopOnReplaceFailure(output->name);
        }
        output->state = Output::State::committed;
    }
}

void RunOutputs::discard() {
    for (const auto& output : outputs_) {
        if (output->state != Output::State::staged) continue;
        output->file.close();
        removeTemporary(output->temporary);
        output->state = Output::State::claimed;
    }
}

void RunOutputs::settleAfter(RunStop& stop) {
    if (stop.leavesNoFile) return discard();
    try {
        commit();
    } catch (const RunStop& failure) {
        stop.messages.insert(stop.messages.end(), failure.messages.begin(), failure.messages.end());
        stop.leavesNoFile = true;
    }
}

}  // namespace mirval
