#pragma once
// Decodes the about box's clip through the clip module, loaded on first use.

#include <QImage>
#include <QString>
#include <string>
#include <vector>

namespace liorna {

// False with a reason when the module or the clip cannot be opened.
bool loadClip(const QString& path, std::vector<QImage>& frames, int& intervalMs, std::string& error);

} // namespace liorna
