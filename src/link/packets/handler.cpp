#include "link/packets/handler.h"

#include <mutex>

#include "link/line/link_callouts.h"
#include "link/line/link_text.h"
#include "link/line/protocol.h"
#include "link/line/serial_link.h"
#include "link/packets/crc8.h"
#include "link/packets/finish_transaction.h"
#include "link/packets/store.h"
#include "link/packets/trace_file.h"

namespace varnolux {

namespace {

std::string AnswerFailure(uint8_t type) {
    switch (type) {
        case MT_EEPROM:
            return " Ack/Nak failed for MT_EEPROM";
        case MT_FFBlock:
            return " Ack/Nak failed for MT_FFBlock";
        case MT_DATA:
            return " Ack/Nak failed for MT_DATA";
        case MT_NullBlock:
            return " Ack/Nak failed for MT_NullBlock";
        default:
            return " Ack/Nak failed for MT_PORT";
    }
}

void CountAndTrace(LinkContext& link, const TargetPacket& packet) {
    link.session.run.PacketCount.fetch_add(1);
    if (link.session.settings.UDTdisplay == 1) TracePacket(link, packet);
}

void ReportIllegalEeprom(LinkContext& link, const EepromStoreResult& r) {
    PromptRequest box;
    box.caption = "";
    box.icon = PromptIcon::None;
    box.topmost = false;
    box.foreground = true;
    box.text = "HandlePacket illegal EEPROM address " + SignPadded(r.firstBadAddress) + " " +
               SignPadded(r.lastCell);
    link.seams.prompts.Show(box);
}

// Stores an accepted packet (not the end packet) and answers it.
void AcceptPacket(LinkContext& link, const TargetPacket& p) {
    Session& s = link.session;
    const uint8_t type = p[1];
    EepromStoreResult eeprom;
    {
        std::lock_guard<std::mutex> lock(s.recordsLock);
        switch (type) {
            case MT_DATA:
                StoreRamBytes(s.image, p);
                break;
            case MT_NullBlock:
                StoreNullBlock(s.image, p);
                break;
            case MT_EEPROM:
                eeprom = StoreEepromBytes(s.image, s.device.EepromSize, p);
                break;
            case MT_FFBlock:
                eeprom = StoreFFBlock(s.image, s.device.EepromSize, p);
                break;
            default:
                StorePorts(s.device, p);
                break;
        }
    }
    if (type == MT_DATA || type == MT_NullBlock) s.run.EepromAvailable = 0;
    if (type == MT_EEPROM || type == MT_FFBlock) s.run.EepromAvailable = 1;
    if (type == MT_PORT) s.run.PortsReceived = 1;
    if (type == MT_DATA) StartRunTimer(link);
    // Reported once per packet, after the lock is released.
    if (eeprom.beyondEnd && type == MT_EEPROM) ReportIllegalEeprom(link, eeprom);
    if (eeprom.beyondEnd && type == MT_FFBlock)
        LinkRecompilePrompt(s, link.seams,
                            "There is a EEPROM SIZE discrepancy between device spec. and reported");
    WriteAnswer(link, kAck, AnswerFailure(type));
}

}  // namespace

bool IsTargetPacketType(uint8_t type) {
    return type == MT_DATA || type == MT_NullBlock || type == MT_ENDDATA || type == MT_PORT ||
           type == MT_EEPROM || type == MT_FFBlock;
}

void ProcessPacket(LinkContext& link, const TargetPacket& p) {
    const uint8_t type = p[1];
    if ((type == MT_DATA || type == MT_EEPROM) && p[2] > kMaxPacketData) {
        CountAndTrace(link, p);
        return;
    }
    if (!IsTargetPacketType(type)) return;
    const bool crcGood = Crc8(p.data(), 31) == p[31];
    if (!crcGood && link.session.settings.IgnoreCRC != 1) {
        if (type == MT_ENDDATA) {
            WriteAnswer(link, kNak, " Nak failed for MT_ENDDATA");
            return;
        }
        WriteAnswer(link, kNak, AnswerFailure(type));
        CountAndTrace(link, p);
        return;
    }
    if (type == MT_ENDDATA) {
        WriteAnswer(link, kAck, " Ack failed for MT_ENDDATA");
        FinishTransaction(link, p);
        CountAndTrace(link, p);
        if (link.listener) link.listener->TransactionDone();
        return;
    }
    AcceptPacket(link, p);
    CountAndTrace(link, p);
}

void HandlePacket(LinkContext& link) {
    TargetPacket p;
    p.fill(0x20);
    p[0] = kStx;
    int count = 0;
    if (CheckLinkCall(link, ReadBlock31(link.port, p.data() + 1, count), " Read packet failed"))
        CheckLinkCall(link, count == 31, " Read packet size wrong");
    ProcessPacket(link, p);
}

}  // namespace varnolux
