#include "fake_main_window.h"

#include "ui/texts.h"

#include <gtest/gtest.h>

namespace fanwright::ui::test {

namespace {

std::string names(std::span<const Named> table, auto shown)
{
    std::string list;
    for (const Named& n : table) {
        if (!shown(n.id))
            continue;
        if (!list.empty())
            list += ',';
        list += n.name;
    }
    return list;
}

// "&Calculate" reads "calculate", "Edit &Mode >>" reads "edit".
std::string captionWord(const std::wstring& caption)
{
    std::string word;
    for (wchar_t c : caption.substr(0, caption.find(L' '))) {
        if (c != L'&')
            word += static_cast<char>(c | 0x20);
    }
    return word;
}

std::string helpWord(const std::wstring& help)
{
    const std::pair<const wchar_t*, const char*> words[] = {
        {text::StatusWelcome, "welcome"},
        {text::StatusEnterPoints, "enter"},
        {text::StatusPressNext, "next"},
        {text::StatusConstructHand, "construct"},
        {text::StatusDefineSituation, "define"}};
    for (const auto& [text, word] : words) {
        if (help == text)
            return word;
    }
    return "?";
}

}  // namespace

std::string Session::observe(const std::string& key)
{
    const auto enabled = [&](int id) { return view.isEnabled(id); };
    const auto checked = [&](int id) { return view.isChecked(id); };
    const TrainerState state = trainer.state();
    if (key == "state")
        return state == TrainerState::TestIdle  ? "idle"
               : state == TrainerState::Editing ? "editing"
                                                : "answering";
    if (key == "hand") {
        Hand copy = trainer.hand();
        return copy.toLogText();
    }
    if (key == "mode")
        return names(radios, checked);
    if (key == "radios")
        return names(radios, enabled);
    if (key == "on")
        return names(situation, enabled);
    if (key == "checked")
        return names(std::span(situation).first(6), checked);
    if (key == "buttons")
        return names(std::span(buttons).first(3), enabled);
    if (key == "captions")
        return captionWord(view.controls[IDC_CHECK].caption) + "," +
               captionWord(view.controls[IDC_NEXT].caption) + "," +
               captionWord(view.controls[IDC_MODE].caption);
    if (key == "boxes")
        return std::to_string(view.windPictures[IDC_PREVALENT_BOX]) + "," +
               std::to_string(view.windPictures[IDC_SEAT_BOX]);
    if (key == "save")
        return view.saveIcon == IDI_SAVE ? "on" : "grey";
    if (key == "focus")
        return std::to_string(view.focus);
    if (key == "help")
        return helpWord(view.status[1]);
    if (key == "score")
        return view.status[2].rfind(L"Score ", 0) == 0 ? captionWord(view.status[2].substr(6))
                                                       : "?";
    if (key == "results")
        return std::to_string(view.results);
    if (key == "answer")
        return std::to_string(view.lastAnswer);
    if (key == "dialogs")
        return std::to_string(view.dialogs[0]) + "," + std::to_string(view.dialogs[1]) + "," +
               std::to_string(view.dialogs[2]);
    return "unknown key";
}

}  // namespace fanwright::ui::test
