// VLCheck: the Japanese report text.
#include "Report.h"

#include <initializer_list>
#include <string_view>

#include "ShellLimits.h"
#include "Startup.h"
#include "Text.h"

namespace {

const std::string kEnd = "\r\n";

std::string Number(long long value) { return std::to_string(value); }

// The text of a line as shown: printable, and cut after at most kShownBytes bytes, never
// within a double-byte character, with "…" where it was cut.
std::string Shown(const std::string& text) {
  constexpr std::size_t kShownBytes = 200;
  std::string shown = Printable(text);
  if (shown.size() <= kShownBytes) return shown;
  std::size_t length = kShownBytes;
  if (TinyUtils::GetByteType(shown, length) == TinyUtils::ByteKind::LeadByte) --length;
  return shown.substr(0, length) + "…";
}

std::string Quoted(const std::string& text) { return "「" + Shown(text) + "」"; }

// Appends the pieces and a line end.
void AddLine(std::string& text, std::initializer_list<std::string_view> pieces) {
  for (std::string_view piece : pieces) text.append(piece);
  text += kEnd;
}

// The text of a warning; line is the line it is given for (an empty one for the file's own).
std::string WarningText(TWarning warning, const TLineReport& line) {
  switch (warning) {
    case TWarning::Utf16Mark:
      return "UTF-16 (Unicode) で保存されたファイルです。Vorla.exe はこのファイルを正しく読めません。";
    case TWarning::AddressInCapitals:
      return "\"http:\" と \"www.\" は小文字で書かないとブラウザーで開かれません。";
    case TWarning::AddressInFullWidth:
      return "全角で書かれたアドレスはブラウザーで開かれません。半角で書いてください。";
    case TWarning::AddressWithoutH:
      return "アドレスの先頭の \"h\" が抜けています。";
    case TWarning::AddressHttps:
      return "\"https:\" のアドレスはブラウザーへ直接は渡されず、シェルが開きます。";
    case TWarning::AddressAfterBlank:
      return "\"url=\" の後に空白があるため、ブラウザーで開かれません。";
    case TWarning::CtrlZ:
      return "行頭の Ctrl-Z でファイルが終わるため、この行から " + Number(line.UnreadLines) + " 行は読まれません。";
    case TWarning::ZeroByte:
      return "ゼロ バイト (NUL) があり、Vorla.exe はその手前までしか使いません。";
    case TWarning::ProgramNotFound:
      return "プログラムが見つからず、シェルにもこれを開くプログラムがありません。";
    case TWarning::LacksCharacter:
      return "シフト JIS (ANSI) にない文字があり、その名前のファイルやプログラムには届かないため、Vorla.exe は実行しません。"
             "名前をシフト JIS にある文字に変えてリストを書き直してください (メモ帳では「ANSI」で保存できます)。";
    case TWarning::CommandLineTooLong:
      return "コマンドラインが " + Number(static_cast<long long>(TinyUtils::kLongestCommandLine)) +
             " 文字を超えるため、Vorla.exe は実行せず、シェルにも渡しません。";
    case TWarning::ShellTextTooLong:
      return "プログラムとして実行できず、" + Number(static_cast<long long>(TinyUtils::kLongestShellText)) +
             " 文字を超えるためシェルにも渡されません。";
    case TWarning::PauseCapped:
      return "wait=" + Number(line.Line.Value) + " は上限の " + Number(TListLine::kLongestPause) + " ミリ秒になります。";
    case TWarning::PauseNotANumber:
      return Quoted(line.Line.Trimmed.substr(5)) + "は数として読めないため 0 になり、待ちません。";
    case TWarning::NoDefaultBrowser:
      return "既定のブラウザーが登録されていないため、アドレスはシェルに渡されます。";
    case TWarning::NotAListFile:
      return "拡張子が .txt・.vlf・.url のどれでもないので、Vorla.exe はこのファイルを実行しません。";
  }
  return {};
}

std::string PauseText(const TListLine& line) {
  if (line.Milliseconds > 0) return Number(line.Milliseconds) + " ミリ秒待ちます";
  return line.ValueIsNumber ? "待ちません (値 " + Number(line.Value) + ")" : "待ちません";
}

std::string NeverReadText(const TLineReport& line) {
  const std::string& text = line.Line.Trimmed;
  if (line.UnreadLines > 0) {
    return "Ctrl-Z: ここでファイルが終わります" + (text.empty() ? "" : " (この行の残り" + Quoted(text) + "も読まれません)");
  }
  return text.empty() ? "読まれません (空行)" : "読まれません: " + Shown(text);
}

// What the launcher does with the line, in one line of text.
std::string ActionText(const TLineReport& line) {
  switch (line.Action) {
    case TAction::Nothing:
      return line.Line.Kind == TLineKind::Comment ? "コメント" : "空行";
    case TAction::Pause:
      return PauseText(line.Line);
    case TAction::Browser:
      return "ブラウザーで開きます: " + Shown(line.CommandLine);
    case TAction::Start:
      return "実行します: " + Shown(line.CommandLine);
    case TAction::Shell:
      return "シェルに渡します: " + Shown(line.CommandLine);
    case TAction::NeverRead:
      return NeverReadText(line);
    case TAction::NotRun:
      return "実行しません: " + Shown(line.Line.Kind == TLineKind::Unreachable ? line.Line.Text : line.CommandLine);
  }
  return {};
}

// The program that starts or opens the line, on a line of its own; empty when none is known.
std::string ProgramText(const TLineReport& line) {
  if (line.Action == TAction::Start) return "プログラム: " + Printable(line.Program);
  if (line.Action != TAction::Shell) return {};
  if (line.OpensFolder) return "フォルダーとして開きます";
  return line.Program.empty() ? std::string() : "開くプログラム: " + Printable(line.Program);
}

std::string ErrorText(const TFileReport& report) {
  const std::string& reason = report.ErrorReason;
  std::string text = "  エラー: ";
  if (!report.ErrorOnOpen) text += Number(static_cast<long long>(report.Lines.size())) + " 行目まで読んだところで";
  text += report.ErrorOnOpen ? "開けません" : "読み取りに失敗しました";
  text += (reason.empty() ? "" : ": " + reason) + " (エラー " + Number(report.Error) + ")" + kEnd;
  if (report.Executed) {
    text += "  Vorla.exe もここで終了コード " + Number(ListFileExitCode(report.Error)) +
            " で止まり、後のファイルを実行しません。" + kEnd;
  }
  return text;
}

std::string SummaryText(const TFileReport& report) {
  struct Count {
    const char* name;
    TAction action;
    int count;
  } counts[] = {{"何もしない", TAction::Nothing, 0}, {"待機", TAction::Pause, 0},   {"ブラウザー", TAction::Browser, 0},
                {"実行", TAction::Start, 0},         {"シェル", TAction::Shell, 0}, {"読まれない", TAction::NeverRead, 0},
                {"実行しない", TAction::NotRun, 0}};
  int utf8Lines = 0;
  for (const auto& line : report.Lines) {
    for (auto& count : counts) count.count += count.action == line.Action ? 1 : 0;
    utf8Lines += line.Line.ReadAsUtf8 ? 1 : 0;
  }
  std::string parts;
  for (const auto& count : counts) {
    if (count.count == 0) continue;
    parts.append(parts.empty() ? "" : "、").append(count.name).append(" ").append(Number(count.count));
  }
  std::string text = "  集計: " + Number(static_cast<long long>(report.Lines.size())) + " 行";
  if (!parts.empty()) text += " (" + parts + ")";
  if (utf8Lines > 0) text += "、UTF-8 として読む行 " + Number(utf8Lines);
  return text + "、警告 " + Number(report.WarningCount()) + " 件" + kEnd;
}

}  // namespace

std::string FormatFileReport(const TFileReport& report) {
  std::string text = Printable(report.Path) + kEnd;
  for (TWarning warning : report.Warnings) AddLine(text, {"  警告: ", WarningText(warning, TLineReport{})});
  std::size_t width = Number(static_cast<long long>(report.Lines.size())).size();
  std::string indent(width + 4, ' ');
  for (const auto& line : report.Lines) {
    std::string number = Number(line.Number);
    AddLine(text, {std::string(width + 2 - number.size(), ' '), number, ": ", ActionText(line)});
    std::string program = ProgramText(line);
    if (!program.empty()) AddLine(text, {indent, program});
    for (TWarning warning : line.Warnings) AddLine(text, {indent, "警告: ", WarningText(warning, line)});
  }
  if (report.Error != 0) text += ErrorText(report);
  return text + SummaryText(report);
}

std::string UsageText() {
  return "使い方: VLCheck リストファイル..." + kEnd +
         "リストファイル (.vlf・.txt・.url) の各行を Vorla.exe がどう実行するかを、実行せずに表示します。" + kEnd +
         "ファイルを VLCheck.exe のアイコンにドロップしても調べられます。" + kEnd +
         "終了コード: 0 問題なし、1 警告あり、2 読めないファイルがある (またはファイルの指定がない)" + kEnd;
}

std::string KeyPromptText() { return "何かキーを押すと閉じます..." + kEnd; }

std::string Printable(const std::string& text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) {
      result += '^';
      result += static_cast<char>(byte ^ 0x40);
    } else if (TinyUtils::LeadByteSet.Contains(byte)) {
      auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
      if (next >= 0x40 && next != 0x7F) {
        result += text.substr(i++, 2);
      } else {
        result += '?';
      }
    } else {
      result += text[i];
    }
  }
  return result;
}
