// The whole-GUI refresh: every window shows the model as it stands.
#include "effects/effects.h"
#include "faders/faders.h"
#include "prefs/prefs.h"
#include "routing/routing.h"
#include "status/status.h"

void UpdateGUI() {
  UpdateEffects();
  ShowStatus();
  UpdateSolos();
  UpdateMutes();
  UpdateVolumes();
  UpdatePan();
  UpdateOffset();
  UpdateRamp();
  UpdateShape();
  UpdateTime();
  UpdateChannelActive();
  UpdateIndexActive();
  UpdateCueName();
  UpdateMixName();
  UpdatePreferences();
  UpdateSubmix();
  UpdateVCA();
  UpdateNames();
}
