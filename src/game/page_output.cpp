// Print and Clipboard of the game pages.
#include "game/page_output.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>

#include <optional>

#include "game/page_host.h"
#include "render/grid_output.h"
#include "store/language/text_ids.h"
#include "ui/dialogs.h"

namespace novlet {
namespace {

// Prints the page where the user chooses; the printer or file that refused
// the job, or nothing when it printed or the user cancelled.
std::optional<QString> PrintOnePage(TPageHost& host, const TOutputSource& page) {
  // While it is held the grid is drawn unhidden and the play clock does not
  // count the time.
  const TWindowFlagHold capture(host, TGameFlag::OutputCapture);
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(kPrintJobTitle);
  if (!host.Dialogs().ChoosePrinter(printer)) return std::nullopt;
  const TGridScene scene = page.Scene();
  QPainter painter;
  if (painter.begin(&printer)) {
    DrawPrintedPage(painter, page.Title, &scene, page.Grid->size(), page.Grid->logicalDpiX());
    if (painter.end()) return std::nullopt;
  }
  return printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
}

}  // namespace

void PrintGrid(TPageHost& host, const TOutputSource& page) {
  const std::optional<QString> failedTarget = PrintOnePage(host, page);
  // The print dialog let the window paint while the grid was in its output look.
  page.Grid->update();
  if (failedTarget)
    host.Dialogs().Tell(host.Text(TextId::PrintFailed) + *failedTarget + QLatin1Char('"'), host.Text(TextId::Ok));
}

void CopyGridToClipboard(TPageHost& host, const TOutputSource& page) {
  const TWindowFlagHold capture(host, TGameFlag::OutputCapture);
  const TGridScene scene = page.Scene();
  auto* data = new QMimeData;
  data->setImageData(ClipboardPicture(GridPicture(scene, page.Grid->size())));
  data->setText(QString::fromStdString(PuzzleTextRows(scene.Geometry, scene.PuzzleTexts)));
  QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace novlet
