#include "audio/TMMObject.h"

void TMMObject::BeginUpdate()
{
    if (updateCount_ == 0)
        Changing();
    ++updateCount_;
}

void TMMObject::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    --updateCount_;
    if (updateCount_ == 0)
        Changed();
}

void TMMObject::DoChangeState(bool starting)
{
    if (updateCount_ != 0)
        return;
    if (starting && OnChanging)
        OnChanging(this);
    if (!starting && OnChange)
        OnChange(this);
}

void TMMObject::Changing()
{
    DoChangeState(true);
}

void TMMObject::Changed()
{
    DoChangeState(false);
}
