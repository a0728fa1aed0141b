// SPDX-License-Identifier: GPL-3.0-or-later
// Renders mock-ups of the pages with pictures: each picture in its box and the
// labels at their layout positions, at 100 % (96 dpi) and 200 %, so that the fit
// of drawings and labels can be judged without the real window.
//
//   lirem-preview OUTDIR [--transparent]
//
// Labels are painted on an opaque background of the page colour (the palette's
// window colour, as in the program) unless they have their own background;
// --transparent leaves them see-through instead.
#include "layout/LayoutTable.h"
#include "look/Fonts.h"
#include "tools/preview/MockupLayout.h"

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QSvgRenderer>
#include <QTextStream>

#include <cmath>

namespace {

constexpr QSize kPageSize(lirem::layout::kPageWidth, lirem::layout::kPageHeight);

QFont FontFor(lirem::layout::FontFace face) {
    return lirem::look::MakeFont(face);
}

// Design units map to logical pixels as in the window: 96 dpi, positions and
// sizes rounded to whole pixels. `ratio` is the device pixel ratio (2 for 200 %).
constexpr double kScale = 96.0 / 120.0;

int Px(int designUnits) {
    return static_cast<int>(std::lround(designUnits * kScale));
}

QRect PictureRect(const lirem::preview::MockPicture& pic, const QSvgRenderer& svg) {
    const QSize size = pic.stretched ? pic.box.size() : svg.defaultSize();
    return {Px(pic.box.x()), Px(pic.box.y()), Px(size.width()), Px(size.height())};
}

void DrawPicture(QPainter& p, const lirem::preview::MockPicture& pic) {
    QSvgRenderer svg(pic.resource);
    svg.render(&p, PictureRect(pic, svg));
}

void DrawLabel(QPainter& p, const lirem::preview::MockLabel& label, bool transparent) {
    p.setFont(FontFor(label.face));
    const QFontMetrics fm(p.font(), p.device());
    const QRect rect(QPoint(Px(label.pos.x()), Px(label.pos.y())),
                     QSize(fm.horizontalAdvance(label.text), fm.height()));
    if (label.background)
        p.fillRect(rect, *label.background);
    else if (!transparent)
        p.fillRect(rect, QGuiApplication::palette().color(QPalette::Window));
    p.setPen(label.ink);
    p.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, label.text);
}

QImage RenderPage(const lirem::preview::MockPage& page, int ratio, bool transparent) {
    QImage image(QSize(Px(kPageSize.width()), Px(kPageSize.height())) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(QGuiApplication::palette().color(QPalette::Window));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const auto& pic : page.pictures)
        DrawPicture(p, pic);
    for (const auto& label : page.labels)
        DrawLabel(p, label, transparent);
    return image;
}

bool Save(const QImage& image, const QString& path) {
    if (image.save(path))
        return true;
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // no display needed
    QGuiApplication app(argc, argv);
    lirem::look::InstallFontSubstitutions();
    // the window's faces and their metric-compatible substitutes
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: lirem-preview OUTDIR [--transparent]\n";
        return 2;
    }
    const QDir out(args.at(1));
    const bool transparent = args.contains("--transparent");
    if (!QDir().mkpath(out.path()))
        return 1;

    bool ok = true;
    for (int ratio : {1, 2}) {
        const QString pct = QString::number(ratio * 100);
        for (const QString& sample : {QString("9"), QString("22")}) {
            for (const auto& page : lirem::preview::MockPages(sample))
                ok &= Save(RenderPage(page, ratio, transparent),
                           out.filePath(QString("%1-%2-%3.png").arg(page.name, sample, pct)));
        }
    }
    return ok ? 0 : 1;
}
