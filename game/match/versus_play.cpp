// A versus match over the link: making the link, the tokens that start each round together, the
// order records of every step, and leaving the link when the match is decided or the line fails.
#include <ctime>

#include "battle/random.h"
#include "link/order_record.h"
#include "main_window.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/tcp_port.h"

namespace match {
namespace {

constexpr char kRoundToken[] = "ST";
constexpr char kStepToken = 'S';
// Both PCs draw the same meteorites from the same sequence.
constexpr uint32_t kRoundSeed = 1;

constexpr const char *kNetworkCaption = "ネットワーク対戦";
constexpr const char *kNetworkPrompt =
    "対戦相手のPCのアドレスとポート番号を「ホスト:ポート」の形で入力してください。\n"
    "(例 192.168.1.20:5200)  先に対戦を始めた側がこのポートで相手を待ちます。";
constexpr const char *kNotAnAddress =
    "アドレスは「ホスト:ポート」の形で入力してください。\n"
    "ポート番号は1から65535までです。";

// The address as typed, without surrounding blanks or a device prefix.
std::string BareAddress(std::string text) {
    const char *blanks = " \t\r\n";
    text.erase(0, text.find_first_not_of(blanks));
    text.erase(text.find_last_not_of(blanks) + 1);
    if (text.starts_with(platform::TcpPort::kDevicePrefix))
        text.erase(0, platform::TcpPort::kDevicePrefix.size());
    return text;
}

}  // namespace

bool IsLinked(int32_t versusMode) {
    return versusMode == kLinkedAnswering || versusMode == kLinkedCalling;
}

std::string VersusLogLine(const std::tm &date, const std::string &ownName,
                          const std::string &peerName, int32_t roundsWon, int32_t roundsLost) {
    return Format("日付:%02d/%02d/%02d  %s対%s戦   %3d:%3d %s\n", date.tm_mon + 1, date.tm_mday,
                  date.tm_year % 100, RightAligned(ownName, 20).c_str(),
                  RightAligned(peerName, 20).c_str(), roundsWon, roundsLost,
                  roundsWon > roundsLost ? "○" : "×");
}

bool TMainFrm::LinkUp() {
    gameState = kLinking;
    commDialog->portNumber = commPort;
    commDialog->device = PortDevice();
    commDialog->Run(myFream.get(), enemyFream.get(), &selectedLevel, &stage->viewMode, &versusMode);
    if (!IsLinked(versusMode)) {
        gameState = kTitle;
        return false;
    }
    stage->LoadStage(selectedLevel, &backColour, scene);
    return true;
}

bool TMainFrm::SwapRoundToken(const char *caption) {
    char token[2] = {};
    commDialog->Send(kRoundToken, 2);
    if (commDialog->ReadExact(token, 2) != 2) return false;
    if (token[0] != kRoundToken[0] || token[1] != kRoundToken[1])
        hosts_.window.ShowMessage("回線エラー", caption, MessageIcon::Error, MessageButtons::Ok);
    return true;
}

// Two steps, so that neither PC leaves before the other has arrived; what the reads bring beyond
// the last byte is not looked at.
void TMainFrm::PassRoundBarrier() {
    char token = 0;
    for (int pass = 0; pass < 2; ++pass) {
        commDialog->Send(&kStepToken, 1);
        token = 0;
        commDialog->ReadExact(&token, 1);
    }
    if (token != kStepToken)
        hosts_.window.ShowMessage("回線エラー", "", MessageIcon::Error, MessageButtons::Ok);
    battle::SeedRandom(kRoundSeed);
}

bool TMainFrm::ExchangeOrders() {
    if (!IsLinked(versusMode)) return true;
    versus::OrderBytes orders = versus::EncodeOrders(*myFream);
    commDialog->Send(orders.data(), orders.size());
    if (commDialog->ReadExact(orders.data(), static_cast<int32_t>(orders.size())) < 0 ||
        !versus::DecodeOrders(orders, *enemyFream)) {
        loopRunning = false;
        return false;
    }
    return true;
}

std::string TMainFrm::PortDevice() const {
    if (commPort == kNetworkPort)
        return std::string(platform::TcpPort::kDevicePrefix) + networkAddress;
    std::string key = "comm" + std::to_string(commPort) + "device";
    std::optional<std::string> named = hosts_.settings.Load().Read(kSettingsSection, key);
    if (named && !named->empty()) return *named;
    return "/dev/ttyS" + std::to_string(commPort - 1);
}

bool TMainFrm::AskNetworkAddress() {
    std::optional<std::string> answer =
        hosts_.window.AskText(kNetworkCaption, kNetworkPrompt, networkAddress);
    if (!answer) return false;
    std::string address = BareAddress(*answer);
    std::string device = std::string(platform::TcpPort::kDevicePrefix) + address;
    if (!platform::ParseNetworkDevice(device)) {
        hosts_.window.ShowMessage(kNotAnAddress, kNetworkCaption, MessageIcon::Warning,
                                  MessageButtons::Ok);
        return false;
    }
    networkAddress = address;
    return true;
}

void TMainFrm::LeaveLink() {
    if (IsLinked(versusMode)) versusMode = kVersusWanted;
    commDialog->ClosePort();
}

// The own record counts the decided match; the player starts the next one from the title.
void TMainFrm::FinishVersusMatch() {
    versusMode = kVersusWanted;
    bool won = roundsWon == 2;
    myFream->record.versusPlayed += 1;
    freamDirty = true;
    commDialog->ClosePort();
    hosts_.window.ShowMessage(
        won ? "あなたの勝ちです。\nもう一度ゲームをする場合はスタートボタンを押してください。"
            : "あなたの負けです。\nもう一度ゲームをする場合はスタートボタンを押してください。",
        "対戦モード", MessageIcon::Information, MessageButtons::Ok);
    if (won) myFream->record.versusWon += 1;
    AppendVersusLog();
    EnterTitle();
}

// One whole line per match; a log that cannot be written is left out, the match counted all the
// same.
void TMainFrm::AppendVersusLog() {
    std::optional<std::string> path = platform::DataFilePath(framePath, "rrk");
    if (!path) return;
    std::time_t now = std::time(nullptr);
    std::tm date{};
    localtime_r(&now, &date);
    std::string line =
        VersusLogLine(date, DisplayName(myFream->record), DisplayName(enemyFream->record),
                      roundsWon, roundsPlayed - roundsWon);
    platform::AppendLine(*path, line);
}

}  // namespace match
