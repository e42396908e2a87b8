#pragma once

#include "FakeQuizView.h"

#include "quiz/GrassTables.h"
#include "quiz/QuestionCycle.h"

#include <algorithm>
#include <cstdint>
#include <string>

// One quiz on a fake window. Its random source reseeds from a counter that starts at the given
// seed, so that each reseed takes a value of its own, as from the running clock.
struct Quiz {
    explicit Quiz(std::uint32_t seed = 2026) : random([this, seed] { return seed + seedsTaken++; }) {}

    // Creates the quiz window, confirms the start page and lets the intro end.
    void start()
    {
        cycle.quizWindowCreated();
        cycle.quizWindowActivated();
        cycle.introEnded();
    }

    std::string rightName() const { return std::string(quiz::SpeciesNames[state.currentItem]); }
    std::string wrongName() const
    {
        return std::string(rightName() == quiz::ChoiceNames[0] ? quiz::ChoiceNames[1]
                                                               : quiz::ChoiceNames[0]);
    }

    // Picks the name from the list at the beginner level, types it at the advanced level.
    void give(const std::string& name)
    {
        if (state.advancedMode) {
            window.type(name);
            return;
        }
        const auto found = std::ranges::find(window.choices, name);
        window.pick(static_cast<std::size_t>(found - window.choices.begin()));
    }
    void answerRight()
    {
        give(rightName());
        cycle.answerOrGoOn();
    }
    void answerWrong()
    {
        give(wrongName());
        cycle.answerOrGoOn();
    }
    // Answers question by question, wrong where wrongAt(question number) says so, and goes on
    // after each correction, until the round's result is shown or 13 questions were answered.
    template <typename WrongAt>
    void playRound(WrongAt wrongAt)
    {
        const int shownBefore = window.resultScreens;
        for (int answered = 0; answered < quiz::ItemCount && window.resultScreens == shownBefore;
             ++answered) {
            if (wrongAt(state.questionNumber)) {
                answerWrong();
                cycle.answerOrGoOn();
            } else {
                answerRight();
            }
        }
    }

    std::uint32_t seedsTaken = 0;
    quiz::QuizState state;
    FakeQuizView window;
    quiz::RandomSource random;
    quiz::QuestionCycle cycle {state, window, random};
};
