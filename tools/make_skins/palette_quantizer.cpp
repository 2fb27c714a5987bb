// Reduces a picture to a palette of at most 256 colours.
#include "palette_quantizer.h"

#include <QHash>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

constexpr QRgb TransparentKey = 0xFFFF00FF;
constexpr int MaxDiffusedError = 4;

struct TColorCount {
  QRgb Color;
  int Count;
};

struct TColorBox {
  std::vector<TColorCount> Colors;

  int Channel(QRgb color, int channel) const {
    return channel == 0 ? qRed(color) : channel == 1 ? qGreen(color) : qBlue(color);
  }
  int Range(int channel) const {
    int low = 255, high = 0;
    for (const TColorCount& c : Colors) {
      low = std::min(low, Channel(c.Color, channel));
      high = std::max(high, Channel(c.Color, channel));
    }
    return high - low;
  }
  int WidestChannel() const {
    int best = 0;
    for (int channel = 1; channel < 3; ++channel)
      if (Range(channel) > Range(best)) best = channel;
    return best;
  }
  QRgb Average() const {
    long long r = 0, g = 0, b = 0, n = 0;
    for (const TColorCount& c : Colors) {
      r += static_cast<long long>(qRed(c.Color)) * c.Count;
      g += static_cast<long long>(qGreen(c.Color)) * c.Count;
      b += static_cast<long long>(qBlue(c.Color)) * c.Count;
      n += c.Count;
    }
    return qRgb(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
  }
};

std::vector<QRgb> MedianCut(std::vector<TColorCount> colors, int maxColors) {
  std::vector<TColorBox> boxes{TColorBox{std::move(colors)}};
  while (static_cast<int>(boxes.size()) < maxColors) {
    auto widest = std::max_element(boxes.begin(), boxes.end(), [](const TColorBox& a, const TColorBox& b) {
      const int ra = a.Colors.size() > 1 ? a.Range(a.WidestChannel()) : -1;
      const int rb = b.Colors.size() > 1 ? b.Range(b.WidestChannel()) : -1;
      return ra < rb;
    });
    if (widest->Colors.size() < 2) break;
    const int channel = widest->WidestChannel();
    std::sort(widest->Colors.begin(), widest->Colors.end(), [&](const TColorCount& a, const TColorCount& b) {
      return widest->Channel(a.Color, channel) < widest->Channel(b.Color, channel);
    });
    long long total = 0;
    for (const TColorCount& c : widest->Colors) total += c.Count;
    long long running = 0;
    size_t split = 1;
    for (; split < widest->Colors.size() - 1; ++split) {
      running += widest->Colors[split - 1].Count;
      if (running * 2 >= total) break;
    }
    TColorBox upper{std::vector<TColorCount>(widest->Colors.begin() + split, widest->Colors.end())};
    widest->Colors.resize(split);
    boxes.push_back(std::move(upper));
  }
  std::vector<QRgb> table;
  for (const TColorBox& box : boxes) table.push_back(box.Average());
  return table;
}

int Nearest(const std::vector<QRgb>& table, const int wanted[3]) {
  int best = 0;
  int bestDistance = INT_MAX;
  for (int i = 0; i < static_cast<int>(table.size()); ++i) {
    if (table[i] == TransparentKey) continue;
    const int dr = wanted[0] - qRed(table[i]);
    const int dg = wanted[1] - qGreen(table[i]);
    const int db = wanted[2] - qBlue(table[i]);
    const int distance = dr * dr * 3 + dg * dg * 4 + db * db * 2;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return best;
}

// A few rounds of moving every entry to the mean of the colours nearest to
// it: median cut alone leaves small bright areas (a glow) too few entries,
// which dithering then shows as speckles.
void RefinePalette(std::vector<QRgb>& table, const std::vector<TColorCount>& colors) {
  for (int round = 0; round < 6; ++round) {
    std::vector<long long> sums(table.size() * 4, 0);
    for (const TColorCount& c : colors) {
      const int wanted[3] = {qRed(c.Color), qGreen(c.Color), qBlue(c.Color)};
      const size_t best = static_cast<size_t>(Nearest(table, wanted));
      sums[best * 4] += static_cast<long long>(wanted[0]) * c.Count;
      sums[best * 4 + 1] += static_cast<long long>(wanted[1]) * c.Count;
      sums[best * 4 + 2] += static_cast<long long>(wanted[2]) * c.Count;
      sums[best * 4 + 3] += c.Count;
    }
    for (size_t i = 0; i < table.size(); ++i) {
      const long long n = sums[i * 4 + 3];
      if (n == 0) continue;
      table[i] = qRgb(static_cast<int>((sums[i * 4] + n / 2) / n), static_cast<int>((sums[i * 4 + 1] + n / 2) / n),
                      static_cast<int>((sums[i * 4 + 2] + n / 2) / n));
    }
  }
}

}  // namespace

QImage ToIndexed8(const QImage& picture) {
  const QImage source = picture.convertToFormat(QImage::Format_RGB32);
  QHash<QRgb, int> histogram;
  bool hasKey = false;
  for (int y = 0; y < source.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      const QRgb color = line[x] | 0xFF000000;
      if (color == TransparentKey) {
        hasKey = true;
        continue;
      }
      ++histogram[color];
    }
  }
  std::vector<TColorCount> colors;
  for (auto it = histogram.constBegin(); it != histogram.constEnd(); ++it) colors.push_back({it.key(), it.value()});
  // A stable order keeps the output identical from run to run.
  std::sort(colors.begin(), colors.end(), [](const TColorCount& a, const TColorCount& b) { return a.Color < b.Color; });
  std::vector<QRgb> table = colors.empty() ? std::vector<QRgb>{} : MedianCut(colors, hasKey ? 255 : 256);
  RefinePalette(table, colors);
  if (hasKey) table.push_back(TransparentKey);
  if (table.empty()) table.push_back(qRgb(0, 0, 0));

  QImage indexed(source.size(), QImage::Format_Indexed8);
  indexed.setColorTable(QList<QRgb>(table.begin(), table.end()));
  // Floyd-Steinberg error diffusion keeps the soft gradients free of bands;
  // the transparent key neither takes nor spreads any error.
  const int width = source.width();
  std::vector<int> errorHere(static_cast<size_t>(width + 2) * 3, 0);
  std::vector<int> errorNext(errorHere.size(), 0);
  for (int y = 0; y < source.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    uchar* out = indexed.scanLine(y);
    std::fill(errorNext.begin(), errorNext.end(), 0);
    for (int x = 0; x < width; ++x) {
      const QRgb color = line[x] | 0xFF000000;
      if (color == TransparentKey) {
        out[x] = static_cast<uchar>(table.size() - 1);
        continue;
      }
      int wanted[3];
      for (int c = 0; c < 3; ++c) {
        const int channel = c == 0 ? qRed(color) : c == 1 ? qGreen(color) : qBlue(color);
        wanted[c] = std::clamp(channel + errorHere[static_cast<size_t>(x + 1) * 3 + c] / 16, 0, 255);
      }
      const int best = Nearest(table, wanted);
      out[x] = static_cast<uchar>(best);
      const int got[3] = {qRed(table[best]), qGreen(table[best]), qBlue(table[best])};
      for (int c = 0; c < 3; ++c) {
        // A bounded error smooths gradients without letting a colour the
        // table lacks pile up into stray bright dots.
        const int error = std::clamp(wanted[c] - got[c], -MaxDiffusedError, MaxDiffusedError);
        errorHere[static_cast<size_t>(x + 2) * 3 + c] += error * 7;
        errorNext[static_cast<size_t>(x) * 3 + c] += error * 3;
        errorNext[static_cast<size_t>(x + 1) * 3 + c] += error * 5;
        errorNext[static_cast<size_t>(x + 2) * 3 + c] += error;
      }
    }
    std::swap(errorHere, errorNext);
  }
  return indexed;
}
