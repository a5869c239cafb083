#include "PictureCommands.h"

#include "MediaPlayer.h"
#include "media/EngineAdjustments.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace vyx {

namespace {

constexpr int kColourStep = 5;
constexpr int kColourLimit = 100;
constexpr int kZoomLimit = 30; // three octaves either way

// The texts of these functions, translated as the player's own.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vyx::MediaPlayer)
};

QString aspectText(AspectOverride aspect) {
    switch (aspect) {
    case AspectOverride::FourThree:
        return Texts::tr("Shape 4:3");
    case AspectOverride::SixteenNine:
        return Texts::tr("Shape 16:9");
    case AspectOverride::Flat:
        return Texts::tr("Shape 1.85:1");
    case AspectOverride::Scope:
        return Texts::tr("Shape 2.35:1");
    case AspectOverride::File:
        break;
    }
    return Texts::tr("Shape as the file says");
}

QString deinterlaceText(Deinterlace deinterlace) {
    switch (deinterlace) {
    case Deinterlace::On:
        return Texts::tr("Deinterlacing on");
    case Deinterlace::Off:
        return Texts::tr("Deinterlacing off");
    case Deinterlace::Automatic:
        break;
    }
    return Texts::tr("Deinterlacing where the picture is interlaced");
}

int& colourOf(PictureAdjustments& picture, PictureColour colour) {
    switch (colour) {
    case PictureColour::Brightness:
        return picture.brightness;
    case PictureColour::Gamma:
        return picture.gamma;
    case PictureColour::Saturation:
        return picture.saturation;
    case PictureColour::Hue:
        return picture.hue;
    case PictureColour::Contrast:
        break;
    }
    return picture.contrast;
}

QString colourText(PictureColour colour, int value) {
    const QString amount =
        QStringLiteral("%1%2").arg(value > 0 ? QStringLiteral("+") : QString()).arg(value);
    switch (colour) {
    case PictureColour::Brightness:
        return Texts::tr("Brightness %1").arg(amount);
    case PictureColour::Gamma:
        return Texts::tr("Gamma %1").arg(amount);
    case PictureColour::Saturation:
        return Texts::tr("Saturation %1").arg(amount);
    case PictureColour::Hue:
        return Texts::tr("Hue %1").arg(amount);
    case PictureColour::Contrast:
        break;
    }
    return Texts::tr("Contrast %1").arg(amount);
}

Deinterlace nextDeinterlace(Deinterlace deinterlace) {
    switch (deinterlace) {
    case Deinterlace::Automatic:
        return Deinterlace::On;
    case Deinterlace::On:
        return Deinterlace::Off;
    case Deinterlace::Off:
        break;
    }
    return Deinterlace::Automatic;
}

// What a picture request does to the adjustments, and what it says; an empty text for a
// request that is not one of them.
QString adjustPicture(PictureAdjustments& picture, const PlayerRequest& request) {
    const auto zoomText = [&picture] {
        return Texts::tr("Zoom %1%").arg(std::lround(100.0 * std::exp2(picture.zoomSteps / 10.0)));
    };
    switch (request.command) {
    case PlayerCommand::RotateRight:
    case PlayerCommand::RotateLeft:
        picture.rotation =
            (picture.rotation + (request.command == PlayerCommand::RotateRight ? 90 : 270)) % 360;
        return Texts::tr("Turned %1°").arg(picture.rotation);
    case PlayerCommand::NextAspect:
        picture.aspect = nextAspect(picture.aspect);
        return aspectText(picture.aspect);
    case PlayerCommand::SetAspect:
        picture.aspect = static_cast<AspectOverride>(static_cast<int>(request.value));
        return aspectText(picture.aspect);
    case PlayerCommand::ZoomIn:
    case PlayerCommand::ZoomOut:
        picture.zoomSteps =
            std::clamp(picture.zoomSteps + (request.command == PlayerCommand::ZoomIn ? 1 : -1),
                       -kZoomLimit, kZoomLimit);
        return zoomText();
    case PlayerCommand::ZoomReset:
        picture.zoomSteps = 0;
        return zoomText();
    case PlayerCommand::NextDeinterlace:
        picture.deinterlace = nextDeinterlace(picture.deinterlace);
        return deinterlaceText(picture.deinterlace);
    case PlayerCommand::SetDeinterlace:
        picture.deinterlace = static_cast<Deinterlace>(static_cast<int>(request.value));
        return deinterlaceText(picture.deinterlace);
    case PlayerCommand::ColourDown:
    case PlayerCommand::ColourUp: {
        const auto colour = static_cast<PictureColour>(static_cast<int>(request.value));
        int& value = colourOf(picture, colour);
        value = std::clamp(
            value + (request.command == PlayerCommand::ColourUp ? kColourStep : -kColourStep),
            -kColourLimit, kColourLimit);
        return colourText(colour, value);
    }
    case PlayerCommand::ResetPicture:
        picture = PictureAdjustments{};
        return Texts::tr("Picture as the file has it");
    default:
        return {};
    }
}

} // namespace

std::optional<PlayerRequest> adjustmentForKey(int key, Qt::KeyboardModifiers modifiers) {
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    if (alt) {
        switch (key) {
        case Qt::Key_Plus:
        case Qt::Key_Equal: // plus without its shift
            return PlayerRequest{PlayerCommand::ZoomIn};
        case Qt::Key_Minus:
            return PlayerRequest{PlayerCommand::ZoomOut};
        case Qt::Key_0:
            return PlayerRequest{PlayerCommand::ZoomReset};
        default:
            return std::nullopt;
        }
    }
    if (control) {
        return key == Qt::Key_Backspace ? std::optional{PlayerRequest{PlayerCommand::ResetPicture}}
                                        : std::nullopt;
    }
    // Two keys a colour, down then up: 1 2, 3 4, ... 9 0.
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        const int place = key == Qt::Key_0 ? 9 : key - Qt::Key_1;
        const int colour = place / 2;
        return PlayerRequest{place % 2 == 0 ? PlayerCommand::ColourDown : PlayerCommand::ColourUp,
                             static_cast<double>(colour)};
    }
    switch (key) {
    case Qt::Key_R:
        return PlayerRequest{modifiers.testFlag(Qt::ShiftModifier) ? PlayerCommand::RotateLeft
                                                                   : PlayerCommand::RotateRight};
    case Qt::Key_A:
        return PlayerRequest{PlayerCommand::NextAspect};
    case Qt::Key_D:
        return PlayerRequest{PlayerCommand::NextDeinterlace};
    case Qt::Key_N:
        return PlayerRequest{PlayerCommand::ToggleLoudness};
    case Qt::Key_E:
        return PlayerRequest{PlayerCommand::ShowEqualizer};
    default:
        return std::nullopt;
    }
}

bool carryOutAdjustment(MediaPlayer& player, const PlayerRequest& request) {
    EngineAdjustments& adjustments = player.adjustments();
    PictureAdjustments picture = adjustments.picture();
    if (const QString said = adjustPicture(picture, request); !said.isEmpty()) {
        adjustments.setPicture(picture);
        player.say(said);
        return true;
    }
    SoundAdjustments sound = adjustments.sound();
    switch (request.command) {
    case PlayerCommand::ToggleLoudness:
        sound.normalised = !sound.normalised;
        adjustments.setSound(sound);
        player.say(sound.normalised ? Texts::tr("Loudness evened out")
                                    : Texts::tr("Loudness as recorded"));
        return true;
    case PlayerCommand::ShowEqualizer:
        player.showEqualizer();
        return true;
    case PlayerCommand::SetAudioDevice: {
        const QList<AudioDevice>& devices = player.audioDevices();
        const auto index = static_cast<qsizetype>(request.value);
        if (index >= 0 && index < devices.size()) {
            const AudioDevice& device = devices.at(index);
            sound.device = device.name == QLatin1String("auto") ? QString() : device.name;
            adjustments.setSound(sound);
            player.say(Texts::tr("Sound to %1").arg(device.description));
        }
        return true;
    }
    default:
        return false;
    }
}

} // namespace vyx
