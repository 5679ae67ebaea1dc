#include "gui/base/FontConvert.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

#include "core/base/MulDiv.h"
#include "core/settings/FontPoints.h"

namespace {
constexpr int kNoScreenDpi = 96;
constexpr std::uint8_t kDefaultCharset = 1;

QString DecodeFaceName(const std::string& bytes)
{
    QStringDecoder decoder("Shift_JIS");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string EncodeFaceName(const QString& name)
{
    QStringEncoder encoder("Shift_JIS");
    std::string out;
    // One character at a time, so that the 31-byte limit never splits a character.
    for (qsizetype i = 0; i < name.size();) {
        const qsizetype n = name.at(i).isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const QByteArray bytes = encoder.encode(name.mid(i, n));
        if (out.size() + static_cast<std::size_t>(bytes.size()) > LOGFONT::kFaceSize - 1)
            break;
        out.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        i += n;
    }
    return out;
}
} // namespace

int ScreenLogPixelsY()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : kNoScreenDpi;
}

QFont QFontFromLogFont(const LOGFONT& lf)
{
    QFont font(DecodeFaceName(lf.FaceNameBytes()));
    if (lf.lfHeight != 0) {
        // A positive height counts the whole cell, a negative one the characters alone;
        // either is taken as the characters' height.
        LOGFONT size;
        size.lfHeight = lf.lfHeight > 0 ? -lf.lfHeight : lf.lfHeight;
        font.setPixelSize(-LimitFontPoints(size, ScreenLogPixelsY()).lfHeight);
    }
    if (lf.lfWeight > 0)
        font.setWeight(static_cast<QFont::Weight>(std::clamp(lf.lfWeight, 1, 1000)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    return font;
}

LOGFONT LogFontFromQFont(const QFont& font, int nLogPixelsY)
{
    LOGFONT lf;
    lf.lfHeight =
        font.pixelSize() > 0 ? -font.pixelSize() : -MulDiv(qRound(font.pointSizeF() * 100), nLogPixelsY, 7200);
    lf.lfWeight = font.weight();
    lf.lfItalic = font.italic() ? 1 : 0;
    lf.lfUnderline = font.underline() ? 1 : 0;
    lf.lfStrikeOut = font.strikeOut() ? 1 : 0;
    lf.lfCharSet = kDefaultCharset;
    lf.SetFaceNameBytes(EncodeFaceName(font.family()));
    return lf;
}
