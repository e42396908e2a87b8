#pragma once

#include "platform/Errors.h"
#include "quiz/QuizView.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// A quiz window that remembers what the cycle did to it. It starts as the real windows are
// created: answer controls and correction panel hidden, button "OK" and disabled, intro shown,
// beginner level chosen. Photographs whose path is in failingPaths fail to load.
class FakeQuizWindow : public quiz::QuizWindow {
public:
    using Control = quiz::Control;

    struct ControlState {
        bool visible = true;
        bool enabled = true;
        std::string text;
    };

    FakeQuizWindow()
    {
        controls[Control::GroupBox1].visible = true;
        controls[Control::ComboBox1].visible = false;
        controls[Control::Edit1].visible = false;
        controls[Control::GroupBox3].visible = false;
        controls[Control::BitBtn1] = {true, false, "OK"};
    }

    // What the user does.
    void pick(std::size_t position) { selected = static_cast<int>(position); }
    void type(const std::string& answer) { controls[Control::Edit1].text = answer; }

    void setVisible(Control control, bool visible) override
    {
        controls[control].visible = visible;
        log.push_back("visible " + name(control) + (visible ? " 1" : " 0"));
    }
    void setEnabled(Control control, bool enabled) override
    {
        controls[control].enabled = enabled;
        log.push_back("enabled " + name(control) + (enabled ? " 1" : " 0"));
    }
    std::string text(Control control) const override
    {
        if (control == Control::ComboBox1)
            return selected < 0 ? "" : choices.at(static_cast<std::size_t>(selected));
        const auto found = controls.find(control);
        return found == controls.end() ? "" : found->second.text;
    }
    void setText(Control control, const std::string& text) override
    {
        controls[control].text = text;
        log.push_back("text " + name(control) + " " + text);
    }
    void appendChoice(const std::string& name) override { choices.push_back(name); }
    void clearChoice() override
    {
        selected = -1;
        log.push_back("clear choice");
    }
    void loadPicture(Control box, const std::string& path) override
    {
        log.push_back("load " + name(box) + " " + path);
        if (failingPaths.contains(path))
            throw platform::FileOpenError("Cannot open file " + path);
        pictures[box] = path;
    }
    void hideQuizWindow() override
    {
        quizWindowVisible = false;
        log.push_back("hide quiz window");
    }
    void hideStartPage() override { startPageVisible = false; }
    bool beginnerChecked() const override { return beginner; }
    bool advancedChecked() const override { return !beginner; }
    void showResultScreen() override
    {
        startPageVisible = true;
        ++resultScreens;
        log.push_back("result screen");
    }
    void setResultLine(const std::string& text) override
    {
        resultLine = text;
        log.push_back("result line " + text);
    }

    bool visible(Control control) const { return controls.at(control).visible; }
    bool enabled(Control control) const { return controls.at(control).enabled; }

    std::map<Control, ControlState> controls;
    std::vector<std::string> choices;
    int selected = -1;
    std::map<Control, std::string> pictures; // the path each box holds
    std::set<std::string> failingPaths;
    bool beginner = true;
    bool quizWindowVisible = true;
    bool startPageVisible = true;
    int resultScreens = 0;
    std::string resultLine;
    std::vector<std::string> log; // the cycle's calls that change something, in order

private:
    static std::string name(Control control)
    {
        static const char* const names[] = {"Image1", "Image3", "Edit1", "ComboBox1", "BitBtn1",
                                            "Label3", "Label6", "Label7", "GroupBox1", "GroupBox3"};
        return names[static_cast<int>(control)];
    }
};
