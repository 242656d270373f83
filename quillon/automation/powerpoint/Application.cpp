// SPDX-License-Identifier: MIT
#include "Application.h"

#include "PowerPointDispids.h"

namespace PowerPoint {

Presentations Application::GetPresentations() const
{
    return Presentations(
        GetObject(PowerPointDispid::ApplicationPresentations, InvokeKind::PropertyGet));
}

void Application::Quit() const
{
    CallMethod(PowerPointDispid::ApplicationQuit);
}

void Application::Activate() const
{
    CallMethod(PowerPointDispid::ApplicationActivate);
}

} // namespace PowerPoint
