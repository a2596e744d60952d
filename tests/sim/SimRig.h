#pragma once

#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/ReplyShapes.h"
#include "link/VirtualClock.h"
#include "live/LiveWords.h"
#include "sim/ControllerModel.h"
#include "sim/SimSerialIo.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace zantrel::sim::test {

// Options with a change: Controller([](auto& o) { o.cylinders = 8; }).
template <typename Edit>
ControllerOptions Controller(Edit edit)
{
    ControllerOptions o;
    edit(o);
    return o;
}

template <typename Edit>
LineOptions Line(Edit edit)
{
    LineOptions o;
    edit(o);
    return o;
}

// The simulated controller behind the real link, on a virtual clock, with the port open.
struct SimRig {
    explicit SimRig(const ControllerOptions& controller = {}, const LineOptions& line = {})
        : model(controller)
        , io(model, clock, line)
    {
        clock.setRecording(false);
        link.SetPortName(QStringLiteral("sim"));
        link.OpenPort();
    }

    // Sends a frame as it stands and collects for the whole window: every byte that
    // comes back, the last poll's included.
    QByteArray exchange(const CommandFrame& frame)
    {
        link.SendFrame(frame);
        link.CollectReply(EcuLink::kReplyBufferSize);
        const quint32 n = link.ReplyTotal() + link.LastReadCount();
        return QByteArray(reinterpret_cast<const char*>(link.ReplyBuffer().data()), int(n));
    }

    // One live poll as the live view makes it; the record must pass its checks.
    LiveWords live()
    {
        cmds.ReadLive();
        link.CollectReply(kLiveReplyLength);
        const Reply reply = link.CurrentReply();
        EXPECT_TRUE(LiveChecksumOk(reply));
        return DecodeLiveWords(reply.bytes);
    }

    VirtualClock clock;
    ControllerModel model;
    SimSerialIo io;
    EcuLink link{io, clock};
    EcuCommands cmds{link};
};

} // namespace zantrel::sim::test
