// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/control/Gamepads.h"

#include <SDL.h>

namespace tallyard {

namespace {
// A trigger counts as pressed past three quarters of its travel, and as let go under a
// quarter, so that a trigger held half-way does not flicker.
constexpr Sint16 TriggerDown = 24576;
constexpr Sint16 TriggerUp = 8192;
} // namespace

Gamepads::Gamepads(QObject *parent) : QObject(parent)
{
    // No window of SDL's: events come all the same, and SDL leaves the program's signals be.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        m_error = QString::fromUtf8(SDL_GetError());
        return;
    }
    m_available = true;
    m_timer.setInterval(PollMs);
    connect(&m_timer, &QTimer::timeout, this, &Gamepads::poll);
    m_timer.start();
}

Gamepads::~Gamepads()
{
    for (auto &[id, pad] : m_pads)
        SDL_GameControllerClose(static_cast<SDL_GameController *>(pad.controller));
    if (m_available)
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

QStringList Gamepads::connected() const
{
    QStringList names;
    for (const auto &[id, pad] : m_pads)
        names << pad.name;
    return names;
}

void Gamepads::poll()
{
    SDL_Event event;
    bool changed = false;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED: {
            SDL_GameController *controller = SDL_GameControllerOpen(event.cdevice.which);
            if (!controller)
                break;
            const int id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
            if (m_pads.count(id)) {
                SDL_GameControllerClose(controller);
                break;
            }
            const char *name = SDL_GameControllerName(controller);
            m_pads[id] = Pad{controller, QString::fromUtf8(name ? name : "gamepad"), {false, false}};
            changed = true;
            break;
        }
        case SDL_CONTROLLERDEVICEREMOVED:
            if (const auto found = m_pads.find(event.cdevice.which); found != m_pads.end()) {
                SDL_GameControllerClose(static_cast<SDL_GameController *>(found->second.controller));
                m_pads.erase(found);
                changed = true;
            }
            break;
        case SDL_CONTROLLERBUTTONDOWN:
            if (const auto found = m_pads.find(event.cbutton.which); found != m_pads.end()) {
                const char *name
                    = SDL_GameControllerGetStringForButton(static_cast<SDL_GameControllerButton>(event.cbutton.button));
                if (name)
                    emit pressed(QString::fromLatin1(name), found->second.name);
            }
            break;
        case SDL_CONTROLLERAXISMOTION: {
            const auto found = m_pads.find(event.caxis.which);
            const int trigger = event.caxis.axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT ? 0
                : event.caxis.axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT              ? 1
                                                                                    : -1;
            if (found == m_pads.end() || trigger < 0)
                break;
            bool &down = found->second.triggerDown[trigger];
            if (!down && event.caxis.value >= TriggerDown) {
                down = true;
                emit pressed(QString::fromLatin1(trigger == 0 ? "lefttrigger" : "righttrigger"), found->second.name);
            } else if (down && event.caxis.value <= TriggerUp) {
                down = false;
            }
            break;
        }
        default:
            break;
        }
    }
    if (changed)
        emit padsChanged();
}

} // namespace tallyard
