#include "csscolorrefusaltext.h"

namespace tintmill {

QString cssColorRefusalText(const CssColorRefusal &refusal)
{
    const QString subject = QString::fromStdString(refusal.subject);
    switch (refusal.problem) {
    case CssColorProblem::Empty:
        return {};
    case CssColorProblem::Unreadable:
        break;
    case CssColorProblem::NeedsPage:
        return QStringLiteral("「%1」はページの中でしか値が決まらないため、ここでは色にできません。"
                              "#RRGGBB や rgb() など、色そのものを書いてください。")
            .arg(subject);
    case CssColorProblem::SystemColor:
        return QStringLiteral("「%1」はブラウザーやOSの設定で決まるシステムカラーなので、"
                              "ここでは色にできません。")
            .arg(subject);
    case CssColorProblem::UnknownName:
        return QStringLiteral("「%1」という名前の色はCSSにありません。steelblue などの色の名前か、"
                              "#RRGGBB などで書いてください。")
            .arg(subject);
    case CssColorProblem::HexDigits:
        return QStringLiteral("「%1」は16進数の色として読めません。# のあとに16進数を3、4、6、8桁の"
                              "どれかで書いてください。")
            .arg(subject);
    case CssColorProblem::UnknownFunction:
        return QStringLiteral("「%1」は色の関数ではありません。rgb()、hsl()、hwb()、lab()、lch()、"
                              "oklab()、oklch()、color()、color-mix() が使えます。")
            .arg(subject);
    case CssColorProblem::UnknownColorSpace:
        return QStringLiteral("「%1」という色空間はありません。srgb、display-p3、oklab などを"
                              "書いてください。")
            .arg(subject);
    case CssColorProblem::NotAllowedHere:
        return QStringLiteral("「%1」はここには書けません。").arg(subject);
    case CssColorProblem::ZeroMixWeights:
        return QStringLiteral("color-mix() の割合がどちらも0%なので、混ぜる色がありません。");
    case CssColorProblem::Unclosed:
        return QStringLiteral("「%1」のかっこが閉じていません。").arg(subject);
    case CssColorProblem::TooDeep:
        return QStringLiteral("関数の入れ子が深すぎて読めません。");
    case CssColorProblem::Declaration:
        return QStringLiteral("「%1:」は宣言です。: のあとの色の値だけを書いてください。")
            .arg(subject);
    }
    return QStringLiteral(
        "CSSの色として読めません。#RRGGBB、rgb()、hsl()、oklch()、color() などか、"
        "色の名前（steelblue など）で書いてください。");
}

} // namespace tintmill
