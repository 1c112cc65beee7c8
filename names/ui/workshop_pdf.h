// The workshop's list on A4 pages, as its window exports it.
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace tessaro {

struct WorkshopRow;

// A title line, a summary line, then the rows in a table whose titles come back on every page;
// the footer names the window. Throws FileError "Ne peut créer le fichier <path>" with the reason.
void saveWorkshopPdf(const QString& title, const QString& summary,
                     const std::vector<const WorkshopRow*>& rows, const std::string& path);

}  // namespace tessaro
