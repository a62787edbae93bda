#include "fishing/trip_pause.h"

#include "media/dx_draw.h"
#include "media/dx_image_list.h"

void DrawPausePicture(TTripContext& ctx, TPictureCollectionItem& picture) {
  TDirectDrawSurface* primary = ctx.dev.DXDraw.Primary();
  if (!primary) return;
  const int dashHeight = ctx.pictures.fishdash ? ctx.pictures.fishdash->Height() : 0;
  const int x = (primary->Width() - picture.Width()) / 2;
  const int y = ((primary->Height() - dashHeight) - picture.Height()) / 2;
  picture.Draw(*primary, x, y, 0);
}

void WaitForInput(TTripContext& ctx) {
  for (int i = 0; i < 256; ++i) ctx.dev.app.ProcessMessages();
  ctx.trip.inputSeen = false;
  while (!ctx.trip.inputSeen && !ctx.host.Closing()) ctx.dev.app.ProcessMessages();
}

void PauseOnPicture(TTripContext& ctx, const std::string& name) {
  DrawPausePicture(ctx, ctx.dev.objects.Items.Find(name));
  WaitForInput(ctx);
}
