// Benchmark corpora. The source is UTF-8; its Japanese literals are code page 932 bytes at
// run time, as in the programs.
#include "Corpus.h"

#include <cstdlib>
#include <iterator>

#include "LightStrList.h"
#include "Startup.h"
#include "platform/WinConstants.h"

namespace Corpus {
namespace {

template <typename T, std::size_t N>
const T& Pick(const T (&items)[N], TRandom& random) {
  return items[random.Below(N)];
}

const char* const kSentences[] = {
    "今日は朝から雨が降っていたので、駅まで傘を差して歩きました。",
    "来週の会議の資料を共有フォルダに保存しておきます。",
    "新しい店舗の案内は下記のページをご覧ください。",
    "東京都内の天気は午後から回復する見込みです。",
    "昨日の記事で紹介した料理の写真を追加しました。",
    "ご注文の商品は本日発送いたしました。到着まで二、三日お待ちください。",
    "設定を変更したあとは、必ず保存ボタンを押してください。",
    "検索結果の一覧から、目的の資料を選んで開きます。",
    "栄養のバランスを考えて、野菜を多めに取るようにしています。",
    "付録の説明書に詳しい手順が書いてあります。",
    "購入手続きが終わると、確認のメールが届きます。",
    "京都の紅葉は十一月の中ごろが見ごろだそうです。",
    "サーバーの保守作業のため、今夜は二十二時から停止します。",
    "ブラウザーで開けない場合は、アドレスをコピーして貼り付けてください。",
    "動画の再生が途中で止まるときは、一度画面を閉じてみてください。",
    "音楽会の予定が決まりましたので、お知らせします。",
    "電話番号と住所を連絡先に登録しました。",
    "メールマガジンの配信を解除するには、こちらの手続きをお願いします。",
    "刺激の強い表現が含まれますので、ご注意ください。",
    "ＰＤＦ形式の資料は２０２４年６月版が最新です。",
    "（詳しくは担当者までお問い合わせください）",
    "「よくある質問」もあわせてお読みください。",
    "休み明けにまとめて返信します。",
    "写真は後で送ります。",
};

const char* const kHosts[] = {
    "www.example.co.jp", "news.example.jp",     "blog.example.net", "shop.example.com",
    "a.example",         "www.city.example.jp", "wiki.example.org", "sample-site.example.jp",
};

const char* const kPaths[] = {
    "/",
    "/news/2024/0607/article123.html",
    "/index.php?title=%E6%A1%88%E5%86%85&action=view",
    "/search?q=vorla&lang=ja#top",
    "/~user/diary/",
    "/items/4901234567890",
    "/event/summer-sale/detail.html",
    "/a/b/c/d/e/f/g/h",
    "/file_list;jsessionid=ABC123",
    "/[2024]/report.pdf",
};

// Addresses written in full-width characters, as some mail programs and pages give them.
const char* const kFullWidthAddresses[] = {
    "ｈｔｔｐ：／／ｗｗｗ．ｅｘａｍｐｌｅ．ｃｏ．ｊｐ／",
    "ｈｔｔｐｓ：／／ｓｈｏｐ．ｅｘａｍｐｌｅ．ｃｏｍ／ｉｔｅｍｓ／１２３",
    "ｗｗｗ．ｃｉｔｙ．ｅｘａｍｐｌｅ．ｊｐ／ｎｅｗｓ",
    "ｔｔｐ：／／ｂｌｏｇ．ｅｘａｍｐｌｅ．ｎｅｔ／２０２４／０６",
};

// Double-byte characters whose second byte reads as an address character: 栄 ends in "h",
// 付 in "t", 購 in "w"; written just before the rest of a prefix, the scan meets a prefix
// that begins inside the character.
const char* const kPrefixTricks[] = {"栄ttp://", "付tp://", "購ww.", "栄ttps://"};

const char* const kLeads[] = {"", "", "", "詳しくは", "参考：", "→", "　", "\t", "  "};

std::string Address(TRandom& random) {
  std::string host = Pick(kHosts, random);
  std::string path = Pick(kPaths, random);
  switch (random.Below(12)) {
    case 0:
    case 1:
    case 2:
      return "http://" + host + path;
    case 3:
    case 4:
      return "https://" + host + path;
    case 5:
      return (host.starts_with("www.") ? "" : "www.") + host + path;
    case 6:
      return "ttp://" + host + path;  // the "h" left out so that the link is not made
    case 7:
      return "ttps://" + host + path;
    case 8:
      return Pick(kFullWidthAddresses, random);
    case 9: {
      // The hyphen typed as a Japanese dash look-alike.
      std::string address = "http://sample" + std::string(random.Chance(50) ? "‐" : "ー") + "site.example/page";
      return address + (random.Chance(50) ? "‐2" : "ー2");
    }
    case 10:
      return Pick(kPrefixTricks, random) + host + path;
    default:
      return "http://" + host + path + (random.Chance(50) ? "," : ".");
  }
}

// An address as it stands in a sentence: alone, or in 「」 or （）.
std::string QuotedAddress(TRandom& random) {
  switch (random.Below(4)) {
    case 0:
      return "「" + Address(random) + "」";
    case 1:
      return "（" + Address(random) + "）";
    default:
      return Address(random);
  }
}

std::string TextLine(TRandom& random) {
  if (random.Chance(4)) return {};
  std::string line = Pick(kLeads, random);
  std::size_t sentences = 1 + random.Below(3);
  for (std::size_t i = 0; i < sentences; ++i) {
    line += Pick(kSentences, random);
    if (random.Chance(15)) line += QuotedAddress(random);
  }
  if (random.Chance(20)) line = line + " " + Address(random);
  if (random.Chance(5)) line += " " + Address(random) + " " + Address(random);
  return line;
}

const char* const kCommands[] = {
    "%SystemRoot%\\notepad.exe メモ.txt",
    "C:\\Lists\\memo.txt",
    "\"C:\\Program Files\\Viewer\\viewer.exe\" -open 資料.pdf",
    "%USERPROFILE%\\デスクトップ\\予定表.xls",
    "calc.exe",
};

std::string ListLine(TRandom& random) {
  switch (random.Below(10)) {
    case 0:
      return {};
    case 1:
    case 2:
      return std::string("; ") + Pick(kSentences, random);
    case 3:
      return "wait=0";
    case 4:
      return "http://" + std::string(Pick(kHosts, random)) + Pick(kPaths, random);
    case 5:
      return "www.example.jp" + std::string(Pick(kPaths, random));
    case 6:
      return "URL=http://" + std::string(Pick(kHosts, random)) + Pick(kPaths, random);
    case 7:
      return "  https://" + std::string(Pick(kHosts, random)) + Pick(kPaths, random);
    default:
      return Pick(kCommands, random);
  }
}

std::string CommentLine(TRandom& random) {
  std::string line = ";";
  std::size_t sentences = 1 + random.Below(3);
  for (std::size_t i = 0; i < sentences; ++i) line += Pick(kSentences, random);
  return line;
}

// Code page 932 begins a double-byte character with 81-9F or E0-FC.
bool IsLeadByte932(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// Bytes of text up to at most length, ending after a whole character.
std::size_t WholeCharacters(const std::string& text, std::size_t length) {
  std::size_t end = 0;
  while (end < text.size()) {
    std::size_t size = IsLeadByte932(static_cast<unsigned char>(text[end])) ? 2 : 1;
    if (end + size > length) break;
    end += size;
  }
  return end;
}

}  // namespace

std::uint64_t TRandom::Next() {
  // splitmix64
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::string Line(Kind kind, TRandom& random) {
  switch (kind) {
    case Kind::Text:
      return TextLine(random);
    case Kind::List:
      return ListLine(random);
    case Kind::Comments:
      return CommentLine(random);
  }
  return {};
}

std::string OfSize(Kind kind, std::size_t size, std::uint64_t seed) {
  TRandom random(seed);
  std::string text;
  text.reserve(size);
  for (;;) {
    std::string line = Line(kind, random) + "\r\n";
    if (text.size() + line.size() > size) break;
    text += line;
  }
  return text;
}

std::string OfLines(Kind kind, std::size_t count, std::uint64_t seed) {
  TRandom random(seed);
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += Line(kind, random) + "\r\n";
  return text;
}

std::string OfEqualLines(std::size_t count, std::size_t lineLength, std::uint64_t seed) {
  TRandom random(seed);
  std::string text;
  text.reserve(count * (lineLength + 2));
  for (std::size_t i = 0; i < count; ++i) {
    std::string line;
    while (line.size() < lineLength) line += TextLine(random) + " ";
    line.resize(WholeCharacters(line, lineLength));
    line.resize(lineLength, ' ');
    text += line + "\r\n";
  }
  return text;
}

std::string OneLongLine(std::size_t size, std::uint64_t seed) {
  TRandom random(seed);
  std::string line = ";";
  line.reserve(size);
  while (line.size() < size) line += Pick(kSentences, random);
  line.resize(WholeCharacters(line, size));
  line.resize(size, ' ');
  return line;
}

std::vector<std::string> SplitLines(const std::string& text) {
  TLightStrList list;
  list.SetText(text);
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(list.Count));
  for (std::int32_t i = 0; i < list.Count; ++i) lines.push_back(list.Get(i));
  return lines;
}

void UseJapaneseSystem() {
  Win::CPINFO codePage932{2, {0x3F, 0}, {0x81, 0x9F, 0xE0, 0xFC}};
  TinyUtils::SetPlatform(Win::VER_PLATFORM_WIN32_NT, 0x0411, false, &codePage932);
}

std::size_t ParseSize(const std::string& text) {
  char* end = nullptr;
  auto size = static_cast<std::size_t>(std::strtoull(text.c_str(), &end, 10));
  if (*end == 'K' || *end == 'k') size <<= 10;
  if (*end == 'M' || *end == 'm') size <<= 20;
  return size;
}

}  // namespace Corpus
