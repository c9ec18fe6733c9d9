#pragma once
// Why a foreign file was refused, in both interface languages, and where:
// the line of the file on which reading stopped.
#include "platform/base/cstring.h"

#include <stdexcept>

struct CFormatProblem {
    const char* english = "";
    const char* japanese = "";
};

class CFormatError : public std::runtime_error {
public:
    CFormatError(const CFormatProblem& problem, int line)
        : std::runtime_error(problem.english), m_problem(problem), m_line(line) {}

    const CFormatProblem& GetProblem() const { return m_problem; }
    int GetLine() const { return m_line; }
    // "<problem> (line <n>)" in the interface language.
    CString Describe(int english) const;

private:
    CFormatProblem m_problem;
    int m_line;
};

// The problems the readers name.
namespace formatProblem {
inline constexpr CFormatProblem endsEarly{"the file ends too early", "ファイルが途中で終わっています"};
inline constexpr CFormatProblem notANumber{"a number was expected", "数値がありません"};
inline constexpr CFormatProblem badCount{"a count is negative or larger than the rest of the file",
                                         "個数が負か、ファイルの残りに対して大きすぎます"};
inline constexpr CFormatProblem tooLarge{"a lathe would sweep too many points", "回転体の点が多すぎます"};
inline constexpr CFormatProblem tooManyPoints{"its objects would have more points than can be edited",
                                              "オブジェクトの点が多すぎて編集できません"};
inline constexpr CFormatProblem badIndex{"an index refers to nothing", "番号が存在しない要素を指しています"};
inline constexpr CFormatProblem badLink{"a curve link does not match the curve",
                                        "カーブのリンクがカーブと合いません"};
inline constexpr CFormatProblem badLayer{"a layer number is outside 0 to 7", "レイヤー番号が 0〜7 の外です"};
inline constexpr CFormatProblem mixedLayers{"a curve runs through points of different layers",
                                            "カーブが異なるレイヤーの点を通っています"};
inline constexpr CFormatProblem badSyntax{"the text is not in the expected form", "書式が正しくありません"};
inline constexpr CFormatProblem badBinary{"the binary vertex data does not match its size",
                                          "バイナリ頂点データの大きさが合いません"};
inline constexpr CFormatProblem badAttachment{
    "a control point is attached to one that does not exist, or the attachments run in a loop",
    "コントロールポイントの接続先が存在しないか、接続が循環しています"};
} // namespace formatProblem
