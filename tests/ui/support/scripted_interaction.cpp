// Scripted answers for the interaction seam.
#include "support/scripted_interaction.h"

#include <gtest/gtest.h>

#include <QPrinter>

namespace tessaro::testing {
namespace {

void choosePdf(QPrinter& printer, const QString& file) {
  if (file.isEmpty()) return;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
}

template <typename T>
T next(std::deque<T>& queue, const QString& question, T fallback) {
  if (queue.empty()) {
    ADD_FAILURE() << "unexpected question: " << question.toStdString();
    return fallback;
  }
  T value = std::move(queue.front());
  queue.pop_front();
  return value;
}

}  // namespace

ScriptedInteraction::ScriptedInteraction() { setInteraction(this); }
ScriptedInteraction::~ScriptedInteraction() { setInteraction(nullptr); }

void ScriptedInteraction::message(QWidget*, const QString& text) {
  asked << QStringLiteral("message: ") + text;
  messages << text;
}

Answer ScriptedInteraction::askYesNoCancel(QWidget*, const QString& text) {
  asked << QStringLiteral("question: ") + text;
  return next(answers, asked.last(), Answer::Cancel);
}

Answer ScriptedInteraction::askYesNo(QWidget*, const QString& text) {
  asked << QStringLiteral("yes or no: ") + text;
  return next(answers, asked.last(), Answer::No);
}

Answer ScriptedInteraction::askSaveChanges(QWidget*, const QString& text) {
  asked << QStringLiteral("save changes: ") + text;
  return next(answers, asked.last(), Answer::Cancel);
}

std::optional<FileChoice> ScriptedInteraction::openFileName(QWidget*, const QString& filter,
                                                            const QString& folder) {
  asked << QStringLiteral("open: ") + filter;
  dialogFolders << folder;
  return next(openChoices, asked.last(), std::optional<FileChoice>{});
}

std::optional<FileChoice> ScriptedInteraction::saveFileName(QWidget*, const QString& filter,
                                                            ReplaceQuestion replace, const QString& folder,
                                                            const SaveDialogText& text) {
  asked << QStringLiteral("save: ") + filter;
  saveDialogTexts << text.title + QStringLiteral(" | ") + text.proposedName;
  dialogFolders << folder;
  replaceQuestions.push_back(replace);
  return next(saveChoices, asked.last(), std::optional<FileChoice>{});
}

std::optional<int> ScriptedInteraction::runPrintDialog(QWidget*, QPrinter& printer) {
  asked << QStringLiteral("print");
  const std::optional<int> answer = next(copies, asked.last(), std::optional<int>{});
  if (answer) choosePdf(printer, chosenPdf);
  return answer;
}

bool ScriptedInteraction::printerSetup(QWidget*, QPrinter&) {
  asked << QStringLiteral("printer setup");
  return next(printerSetups, asked.last(), false);
}

int ScriptedInteraction::execDialog(QDialog& dialog) {
  asked << QStringLiteral("dialog: ") + dialog.windowTitle();
  auto handler = next(dialogs, asked.last(), std::function<int(QDialog&)>(rejectDialog));
  return handler(dialog);
}

int rejectDialog(QDialog& dialog) {
  dialog.reject();
  return dialog.result();
}

int acceptDialog(QDialog& dialog) {
  dialog.accept();
  return dialog.result();
}

}  // namespace tessaro::testing
