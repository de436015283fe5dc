#pragma once

class Model;

// Implemented by every window, page and tool that shows the shared state: it stores the
// Model and connects itself to the signals it shows.
class IModel
{
public:
    virtual void setModel(Model *model) = 0;

protected:
    // Never deleted through the interface; the widget owns its own lifetime.
    ~IModel() = default;
};
