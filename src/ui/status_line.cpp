// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/status_line.h"

#include <QFontMetrics>

#include "base/checked_size.h"
#include "base/errors.h"
#include "compiler/build_advice.h"
#include "compiler/def_groups.h"
#include "ui/build_runner.h"
#include "ui/ui_texts.h"

namespace kelvane::ui {

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

QString Capitalised(QString text) {
  if (!text.isEmpty()) {
    text[0] = text[0].toUpper();
  }
  return text;
}

QString WarningCount(qsizetype count) {
  return count == 1 ? QString(ui_text::kOneWarning) : QString(ui_text::kWarnings).arg(count);
}

}  // namespace

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setTextFormat(Qt::RichText);
  setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  connect(this, &QLabel::linkActivated, this, &StatusLine::detailsAsked);
}

void StatusLine::Show(const QString& summary, const QStringList& details) {
  summary_ = summary;
  details_ = details;
  setToolTip(details.isEmpty() ? summary : summary + "\n\n" + details.join("\n"));
  Render();
}

void StatusLine::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Render();
}

void StatusLine::Render() {
  const QString link =
      details_.isEmpty() ? QString() : QString(" — %1").arg(WarningCount(details_.size()));
  const int room = contentsRect().width() - 2 * margin() - fontMetrics().horizontalAdvance(link);
  const QString shown = fontMetrics().elidedText(summary_, Qt::ElideMiddle, std::max(room, 0));
  QString html = shown.toHtmlEscaped();
  if (!details_.isEmpty()) {
    html += QString(" — <a href=\"details\">%1</a>").arg(WarningCount(details_.size()));
  }
  setText(html);
}

QString BuildingSummary(const std::string& output, size_t encoded, size_t total) {
  return QString(ui_text::kBuilding).arg(Q(output), Q(SizeText(encoded)), Q(SizeText(total)));
}

QString FinishedSummary(const BuildResult& result) {
  using Status = CompileOutcome::Status;
  const CompileOutcome& outcome = result.outcome;
  const std::string& output = result.job.settings.outputName;
  switch (outcome.status) {
    case Status::Written:
      return Capitalised(Q(WrittenLine(output, DefGroupsOf(result.job), outcome.bytes)));
    case Status::Interrupted:
      return QString(ui_text::kStopped) +
             (result.hadOutput ? QString(ui_text::kLeftAsItWas).arg(Q(output)) : QString());
    case Status::Cancelled:
      return ui_text::kPaletteCancelled;
    case Status::Stopped:
      return result.job.list.IsEmpty() ? ui_text::kEmptyList : ui_text::kNoTypes;
    case Status::Failed:
      break;
  }
  return QString(ui_text::kNotWritten).arg(Q(WithPath(outcome.message, outcome.path)));
}

QStringList FinishedDetails(const BuildResult& result) {
  QStringList details;
  for (const std::string& warning : result.warnings) {
    details << Q(warning);
  }
  return details;
}

}  // namespace kelvane::ui
