// ApplyDisplaySet for one game page.
#include "game/page_display_set.h"

#include "game/page_host.h"
#include "game/run_folders.h"
#include "render/display_set.h"
#include "store/options_record.h"

namespace novlet {

void ApplyOptionsDisplaySet(TPageHost& host, TDisplaySet& displaySet, int gridSize) {
  const QStringList& list = host.DisplaySetList();
  const QString wanted = QString::fromStdString(host.Options().DisplaySet);
  int index = 0;
  for (int i = 0; i < list.size(); ++i) {
    if (list[i].compare(wanted, Qt::CaseInsensitive) == 0) {
      index = i;
      break;
    }
  }
  const QString itemText = index < list.size() ? list[index] : kSymbolAlphabets.front();
  displaySet.Apply(index, itemText, gridSize, QString::fromStdString(host.Folders().DisplaySetsFolder().string()));
  // The options name the set the pages show: its own spelling, or the first
  // alphabet when the set could not be loaded. Changed only when it differs,
  // so the second round of applying ends there.
  const std::string shown = displaySet.DisplaySet().toStdString();
  if (host.Options().DisplaySet != shown)
    host.ChangeOptions([&shown](TOptions& options) { options.DisplaySet = shown; });
}

}  // namespace novlet
