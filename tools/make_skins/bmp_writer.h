// Writes 8-bit bitmap files with their colour tables.
#pragma once

#include <QImage>
#include <QString>

// Writes an 8-bit indexed picture as a Windows bitmap with its colour table.
// Qt's own writer copies uninitialised row padding into the file; this one
// writes zeros, so the same artwork always gives the same bytes.
bool WriteIndexedBmp(const QImage& indexed, const QString& path);
