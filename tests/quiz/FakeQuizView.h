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
class FakeQuizView : public quiz::QuizView {
public:
    using QuizControl = quiz::QuizControl;

    struct ControlState {
        bool visible = true;
        bool enabled = true;
        std::string text;
    };

    FakeQuizView()
    {
        controls[QuizControl::IntroPanel].visible = true;
        controls[QuizControl::PickedAnswer].visible = false;
        controls[QuizControl::TypedAnswer].visible = false;
        controls[QuizControl::CorrectionPanel].visible = false;
        controls[QuizControl::AnswerButton] = {true, false, "OK"};
    }

    // What the user does.
    void pick(std::size_t position) { selected = static_cast<int>(position); }
    void type(const std::string& answer) { controls[QuizControl::TypedAnswer].text = answer; }

    void setVisible(QuizControl control, bool visible) override
    {
        controls[control].visible = visible;
        log.push_back("visible " + name(control) + (visible ? " 1" : " 0"));
    }
    void setEnabled(QuizControl control, bool enabled) override
    {
        controls[control].enabled = enabled;
        log.push_back("enabled " + name(control) + (enabled ? " 1" : " 0"));
    }
    std::string text(QuizControl control) const override
    {
        if (control == QuizControl::PickedAnswer)
            return selected < 0 ? "" : choices.at(static_cast<std::size_t>(selected));
        const auto found = controls.find(control);
        return found == controls.end() ? "" : found->second.text;
    }
    void setText(QuizControl control, const std::string& text) override
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
    void loadPicture(QuizControl box, const std::string& path) override
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

    bool visible(QuizControl control) const { return controls.at(control).visible; }
    bool enabled(QuizControl control) const { return controls.at(control).enabled; }

    std::map<QuizControl, ControlState> controls;
    std::vector<std::string> choices;
    int selected = -1;
    std::map<QuizControl, std::string> pictures; // the path each box holds
    std::set<std::string> failingPaths;
    bool beginner = true;
    bool quizWindowVisible = true;
    bool startPageVisible = true;
    int resultScreens = 0;
    std::string resultLine;
    std::vector<std::string> log; // the cycle's calls that change something, in order

private:
    static std::string name(QuizControl control)
    {
        static const char* const names[] = {"PlantPhoto", "HeadPhoto", "TypedAnswer", "PickedAnswer",
                                            "AnswerButton", "RightName", "QuestionNumber", "MistakeCount",
                                            "IntroPanel", "CorrectionPanel"};
        return names[static_cast<int>(control)];
    }
};
