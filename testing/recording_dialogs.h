#pragma once
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/dialogs.h"

namespace kalkora {

// Dialogs for window tests: every box and request is recorded in order
// ("notice: ", "warning: ", "error: ", "shell: ", "open: <folder> | <filter>",
// "save: <folder> | <filter> | <file name> | <extension>"),
// and file dialogs answer from a queue; an empty queue cancels.
class RecordingDialogs : public Dialogs {
 public:
  std::vector<std::string> shown;
  std::deque<std::optional<std::string>> fileAnswers;
  // Runs while a message box is up, e.g. to let it take the activation.
  std::function<void()> whileShown;
  // What openInShell answers: whether the desktop had a program for the file.
  bool shellOpens = true;

  // Questions ("question: ") take these answers in turn; an empty queue says "Ne".
  std::deque<bool> questionAnswers;

  void answerNextFile(std::optional<std::string> path) { fileAnswers.push_back(std::move(path)); }
  void answerNextQuestion(bool yes) { questionAnswers.push_back(yes); }

  void notice(const std::string& text) override { box("notice: " + text); }
  void warning(const std::string& text) override { box("warning: " + text); }
  void error(const std::string& text) override { box("error: " + text); }
  std::optional<std::string> openFile(const std::string& folder, const std::string& filter) override {
    shown.push_back("open: " + folder + " | " + filter);
    return nextAnswer();
  }
  std::optional<std::string> saveFile(const std::string& folder, const std::string& filter, const std::string& name,
                                      const std::string& extension) override {
    shown.push_back("save: " + folder + " | " + filter + " | " + name + " | " + extension);
    return nextAnswer();
  }
  bool ask(const std::string& question) override {
    box("question: " + question);
    if (questionAnswers.empty()) return false;
    const bool yes = questionAnswers.front();
    questionAnswers.pop_front();
    return yes;
  }
  bool openInShell(const std::string& path) override {
    shown.push_back("shell: " + path);
    return shellOpens;
  }

 private:
  void box(std::string text) {
    shown.push_back(std::move(text));
    if (whileShown) whileShown();
  }
  std::optional<std::string> nextAnswer() {
    if (fileAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = std::move(fileAnswers.front());
    fileAnswers.pop_front();
    return answer;
  }
};

}  // namespace kalkora
