#include "config/ConfigurationCodec.h"

#include "core/ChannelCodec.h"
#include "features/alert/AlertCodec.h"
#include "features/commbook/CommBookCodec.h"
#include "features/dtmf/DtmfCodec.h"
#include "features/fivetone/FiveToneCodec.h"
#include "features/option/OptionCodec.h"
#include "features/scan/ScanCodec.h"
#include "features/twotone/TwoToneCodec.h"

namespace kpt740 {

void EncodeAll(Configuration& c, RadioImage& image, EncodeContext& context) {
    SetCommDataByScan(c.Scan, image, context);
    SetCommDataByAlert(c.Alert, image, context);
    SetCommDataByFrequency(c.Channels, image, context);
    if (context.ok()) {
        SetCommDataByOption(c.Option, c.Dtmf, image, context);
    }
    if (context.ok()) {
        SetCommDataBy5Tone(c.FiveTone, c.decodeTime, image, context);
    }
    if (context.ok()) {
        SetCommDataBy2Tone(c.TwoTone, image, context);
    }
    if (context.ok()) {
        SetCommDataByDTMF(c.Dtmf, image, context);
    }
    if (context.ok()) {
        SetCommDataByDTMFCommuBook(c.Book, image, context);
    }
}

void DecodeAll(const RadioImage& image, Configuration& c, EmbeddedInfo& info) {
    DecodeChannels(image, c.Channels);
    GetCommDataByScan(image, c.Scan);
    GetCommDataByAlert(image, c.Alert);
    DecodeEmbeddedInfo(image, info);
    GetCommDataByOption(image, c.Option, c.Dtmf);
    GetCommDataBy5Tone(image, c.FiveTone, c.decodeTime);
    GetCommDataBy2Tone(image, c.TwoTone);
    GetCommDataByDTMF(image, c.Dtmf);
    GetCommDataByDTMFCommuBook(image, c.Book);
}

} // namespace kpt740
