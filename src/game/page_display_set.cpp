// ApplyDisplaySet for one game page.
#include "game/page_display_set.h"

#include "game/page_host.h"
#include "game/run_folders.h"
#include "render/display_set.h"
#include "store/options_record.h"

namespace novlet {

void ApplyOptionsDisplaySet(TPageHost& host, TDisplaySet& displaySet, int gridSize) {
  const QStringList& list = host.DisplaySetList();
  TOptions& options = host.Options();
  const QString wanted = QString::fromStdString(options.DisplaySet);
  int index = 0;
  for (int i = 0; i < list.size(); ++i) {
    if (list[i].compare(wanted, Qt::CaseInsensitive) == 0) {
      index = i;
      break;
    }
  }
  const QString itemText = index < list.size() ? list[index] : kSymbolAlphabets.front();
  displaySet.Apply(index, itemText, gridSize, QString::fromStdString(host.Folders().DisplaySetsFolder().string()));
  options.DisplaySet = displaySet.DisplaySet().toStdString();
}

}  // namespace novlet
