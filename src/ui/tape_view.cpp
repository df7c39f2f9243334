#include "ui/tape_view.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextDocumentLayout>
#include <QPointer>
#include <QScrollBar>
#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace varuno {

namespace {

// Engine text to widget text: every CR LF becomes one block break.
QString ToWidgetText(std::string_view text) {
  QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return result;
}

// A document taken out of the view, with what the view knew of it.
struct KeptDocument final : KeptTape {
  std::unique_ptr<QTextDocument> document;
  std::vector<std::size_t> lineEnds;
  std::size_t committedShown = 0;
};

// Puts `document` into `view`, which owns it from then on; the document it
// replaces is deleted when `deleteOld` says so, else its taker owns it.
void SwapDocument(QPlainTextEdit& view, QTextDocument* document, bool deleteOld) {
  QPointer<QTextDocument> old = view.document();
  old->setParent(nullptr);  // setDocument would delete a child of the view
  document->setParent(&view);
  view.setDocument(document);
  if (deleteOld && old != nullptr) {
    delete old.data();
  }
}

}  // namespace

TapeView::TapeView(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  // Read-only, but with a caret while it has the focus, so the focus shows.
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setUndoRedoEnabled(false);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setWordWrapMode(QTextOption::NoWrap);
  setTabChangesFocus(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TapeView::ApplyUpdate(const TapeUpdate& update) {
  const std::string_view committed = update.committed;
  std::size_t keep = std::min({update.keep, m_committedShown, committed.size()});

  // Whole lines shown before that are still valid.
  const auto kept = std::upper_bound(m_lineEnds.begin(), m_lineEnds.end(), keep);
  std::size_t keptLines = static_cast<std::size_t>(kept - m_lineEnds.begin());
  keep = keptLines == 0 ? 0 : m_lineEnds[keptLines - 1];
  m_lineEnds.resize(keptLines);

  // Record the line ends of the new committed text.
  for (std::size_t pos = committed.find('\n', keep); pos != std::string_view::npos;
       pos = committed.find('\n', pos + 1)) {
    m_lineEnds.push_back(pos + 1);
  }
  m_committedShown = committed.size();

  std::string replacement(committed.substr(keep));
  replacement.append(update.pendingLine);
  ReplaceFrom(static_cast<int>(keptLines), replacement);
  ScrollToEnd();
}

void TapeView::Clear() {
  m_lineEnds.clear();
  m_committedShown = 0;
  document()->clear();
}

std::unique_ptr<KeptTape> TapeView::Take() {
  auto kept = std::make_unique<KeptDocument>();
  QTextDocument* current = document();
  auto* empty = new QTextDocument;
  empty->setDocumentLayout(new QPlainTextDocumentLayout(empty));
  empty->setDefaultFont(current->defaultFont());
  empty->setDefaultTextOption(current->defaultTextOption());
  empty->setDocumentMargin(current->documentMargin());
  empty->setUndoRedoEnabled(false);
  kept->document.reset(current);
  SwapDocument(*this, empty, false);
  kept->lineEnds = std::move(m_lineEnds);
  kept->committedShown = std::exchange(m_committedShown, 0);
  m_lineEnds.clear();
  return kept;
}

void TapeView::Give(std::unique_ptr<KeptTape> kept) {
  auto* document = dynamic_cast<KeptDocument*>(kept.get());
  if (document == nullptr || document->document == nullptr) {
    Clear();
    return;
  }
  SwapDocument(*this, document->document.release(), true);
  m_lineEnds = std::move(document->lineEnds);
  m_committedShown = document->committedShown;
  ScrollToEnd();
}

std::string TapeView::TapeText() const {
  std::string text;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    if (block != document()->begin()) {
      text += "\r\n";
    }
    text += block.text().toStdString();
  }
  return text;
}

void TapeView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu(event->pos());
  menu->setObjectName(QStringLiteral("tapeMenu"));
  if (!actions().isEmpty()) {
    menu->addSeparator();
    menu->addActions(actions());
  }
  menu->exec(event->globalPos());
  delete menu;
}

void TapeView::ReplaceFrom(int blockNumber, std::string_view text) {
  QTextDocument* doc = document();
  QTextCursor cursor(doc);
  const QTextBlock first = doc->findBlockByNumber(blockNumber);
  if (first.isValid()) {
    cursor.setPosition(first.position());
  } else {
    // The kept lines fill the document: the new text starts after the last
    // line break, on the document's final (empty) block.
    cursor.movePosition(QTextCursor::End);
  }
  cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  cursor.insertText(ToWidgetText(text));
}

void TapeView::ScrollToEnd() {
  QTextCursor cursor = textCursor();
  cursor.movePosition(QTextCursor::End);
  setTextCursor(cursor);
  ensureCursorVisible();
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

}  // namespace varuno
