#include "app/FontConvert.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cstdlib>

#include "app/MulDiv.h"

namespace {
constexpr int kMaxPixelHeight = 200;
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

QFont QFontFromLogFont(const LOGFONT& lf)
{
    QFont font(DecodeFaceName(lf.FaceNameBytes()));
    if (lf.lfHeight != 0) {
        // INT_MIN has no positive counterpart; it is as damaged as any other giant.
        const int height = lf.lfHeight == INT32_MIN ? kMaxPixelHeight : std::abs(lf.lfHeight);
        font.setPixelSize(std::clamp(height, 1, kMaxPixelHeight));
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
