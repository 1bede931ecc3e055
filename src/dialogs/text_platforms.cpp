// The platforms without windows: terminal, batch and scripted.
#include "dialogs/text_platforms.hpp"

#include <cctype>
#include <cstdio>
#include <istream>
#include <ostream>

namespace mirval {

void StdoutConsole::line(std::string_view text) {
    if (!text.empty()) std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

int findButton(const Dialog& dialog, std::string_view label) {
    for (std::size_t i = 0; i < dialog.buttons.size(); ++i) {
        if (dialog.buttons[i].label == label) return static_cast<int>(i);
    }
    return -1;
}

namespace {

std::string buttonText(const DialogButton& button) {
    // the mnemonic letter is shown in brackets: "[s]elect file"
    std::string text = button.label;
    const auto at = button.mnemonic != 0 ? text.find(button.mnemonic) : std::string::npos;
    if (at != std::string::npos) text = text.substr(0, at) + "[" + text[at] + "]" + text.substr(at + 1);
    return button.isDefault ? "<" + text + ">" : text;
}

int defaultButton(const Dialog& dialog) {
    for (std::size_t i = 0; i < dialog.buttons.size(); ++i) {
        if (dialog.buttons[i].isDefault) return static_cast<int>(i);
    }
    return dialog.buttons.empty() ? -1 : 0;
}

int buttonForKey(const Dialog& dialog, char key) {
    for (std::size_t i = 0; i < dialog.buttons.size(); ++i) {
        const char m = dialog.buttons[i].mnemonic;
        if (m != 0 && std::tolower(static_cast<unsigned char>(m)) == std::tolower(static_cast<unsigned char>(key))) {
            return static_cast<int>(i);
        }
    }
    return -2;
}

}  // namespace

std::string renderDialog(const Dialog& dialog) {
    std::string text = "== " + dialog.caption + " ==\n";
    for (const auto& line : dialog.lines) text += "| " + line + "\n";
    text += "+\n ";
    for (std::size_t i = 0; i < dialog.buttons.size(); ++i) {
        if (i > 0) text.append(static_cast<std::size_t>(dialog.buttonGap), ' ');
        text += buttonText(dialog.buttons[i]);
    }
    return text + "\n";
}

int TerminalPlatform::present(const Dialog& dialog) {
    std::fflush(stdout);
    out_ << renderDialog(dialog);
    for (;;) {
        out_ << "> " << std::flush;
        std::string answer;
        if (!std::getline(in_, answer)) return -1;
        if (answer.empty()) return defaultButton(dialog);
        const int pressed = buttonForKey(dialog, answer[0]);
        if (pressed >= 0) return pressed;
        out_ << "Tecle a letra de um botão, ou Enter para o botão padrão.\n";
    }
}

std::optional<std::string> TerminalPlatform::choose(const FileChooser& chooser) {
    std::fflush(stdout);
    out_ << "== " << chooser.title << " ==\n";
    for (const auto& filter : chooser.filters) out_ << "  " << filter.name << " (" << filter.pattern << ")\n";
    for (;;) {
        out_ << "Arquivo [" << chooser.proposedName << "], Enter vazio cancela: " << std::flush;
        std::string path;
        if (!std::getline(in_, path) || path.empty()) return std::nullopt;
        if (!chooser.mustExist || isChoosableFile(path)) return path;
        out_ << notChoosableMessage(path) << "\n";
    }
}

BatchPlatform::BatchPlatform(std::vector<std::string> answers, std::ostream& out)
    : answers_(answers.begin(), answers.end()), out_(out) {}

int BatchPlatform::present(const Dialog& dialog) {
    out_ << renderDialog(dialog);
    const int select = findButton(dialog, "select file");
    if (select >= 0 && !answers_.empty()) return select;
    const int exit = findButton(dialog, "Exit");
    if (exit >= 0) return exit;
    return defaultButton(dialog);
}

std::optional<std::string> BatchPlatform::choose(const FileChooser&) {
    if (answers_.empty()) return std::nullopt;
    std::string path = answers_.front();
    answers_.pop_front();
    return path;
}

int ScriptedPlatform::present(const Dialog& dialog) {
    dialogsShown.push_back(dialog);
    if (buttons.empty()) return findButton(dialog, "Exit");
    const std::string label = buttons.front();
    buttons.pop_front();
    return findButton(dialog, label);
}

void ScriptedPlatform::finished(int status, const std::vector<RunView>& views) {
    finishedStatus = status;
    for (const RunView& view : views) viewsOffered.push_back(view.label);
}

std::optional<std::string> ScriptedPlatform::choose(const FileChooser& chooser) {
    choosersShown.push_back(chooser);
    if (paths.empty()) return std::nullopt;
    std::string path = paths.front();
    paths.pop_front();
    return path;
}

}  // namespace mirval
