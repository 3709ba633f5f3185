// SPDX-License-Identifier: GPL-3.0-or-later
// Reads catalogues (.ts files) and fails, naming the catalogue, the words and
// the letter, where a translation in the Banner context has a character the
// game's lettering lacks: the window would letter such a banner in English.
//   kalvenor-check-banner-words kalvenor_fi.ts kalvenor_de.ts ...

#include <QFile>
#include <QString>
#include <QTextStream>
#include <QXmlStreamReader>

#include <stdexcept>

#include "lettering/vector_font.h"

namespace {

// The translations of one catalogue's Banner context.
QStringList bannerWords(QFile& catalogue) {
  QStringList words;
  QXmlStreamReader xml(&catalogue);
  QString context;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"name") {
      context = xml.readElementText();
    } else if (xml.name() == u"translation" && context == u"Banner") {
      words << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
  }
  if (xml.hasError()) throw std::runtime_error(xml.errorString().toStdString());
  return words;
}

}  // namespace

int main(int argc, char* argv[]) {
  QTextStream errors(stderr);
  const kalvenor::lettering::Lettering letters(10, 1.8);
  int faults = 0;
  for (int i = 1; i < argc; ++i) {
    const QString path = QString::fromLocal8Bit(argv[i]);
    QFile catalogue(path);
    if (!catalogue.open(QIODevice::ReadOnly)) {
      errors << path << ": cannot be read\n";
      ++faults;
      continue;
    }
    try {
      for (const QString& words : bannerWords(catalogue)) {
        try {
          letters.width(words.toStdString());
        } catch (const std::invalid_argument& lacking) {
          errors << path << ": banner \"" << words << "\" cannot be lettered: " << lacking.what() << '\n';
          ++faults;
        }
      }
    } catch (const std::runtime_error& bad) {
      errors << path << ": " << bad.what() << '\n';
      ++faults;
    }
  }
  return faults == 0 ? 0 : 1;
}
