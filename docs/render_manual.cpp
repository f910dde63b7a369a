// Build tool: renders the user manual from its Markdown source into a PDF
// with Qt's own text document and PDF writer.
// Usage: render_manual MANUAL.md OUTPUT.pdf
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: render_manual MANUAL.md OUTPUT.pdf\n");
    return 2;
  }
  QFile source(QString::fromLocal8Bit(argv[1]));
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "render_manual: cannot read %s\n", argv[1]);
    return 1;
  }
  QTextDocument manual;
  QFont font(QStringLiteral("DejaVu Sans"), 10);
  // No ligatures: a reader searching the PDF for "definice" finds it.
  font.setStyleStrategy(QFont::PreferNoShaping);
  manual.setDefaultFont(font);
  manual.setMarkdown(QString::fromUtf8(source.readAll()));

  // Written beside the target and renamed over it once complete.
  QSaveFile target(QString::fromLocal8Bit(argv[2]));
  if (!target.open(QIODevice::WriteOnly)) {
    std::fprintf(stderr, "render_manual: cannot write %s\n", argv[2]);
    return 1;
  }
  {
    QPdfWriter pdf(&target);
    pdf.setTitle(QStringLiteral("Import dat do aplikace Kalkora – uživatelská příručka"));
    pdf.setCreator(QStringLiteral("kalkora-import"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    manual.print(&pdf);
  }
  if (!target.commit()) {
    std::fprintf(stderr, "render_manual: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
