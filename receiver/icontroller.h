#pragma once

class Controller;

// Implemented by every window, page and tool that talks to the receiver: it stores the
// Controller and connects itself to the objects the Controller hands out.
class IController
{
public:
    virtual void setController(Controller *controller) = 0;

protected:
    // Never deleted through the interface; the widget owns its own lifetime.
    ~IController() = default;
};
