// Comparing screen frames (pngjs images of the page) in the browser test.
'use strict';

const delay = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Whether a pixel differs by more than a rounding step of the 16-bit frame in any channel.
function pixelDiffers(a, b, i) {
  return Math.abs(a.data[i] - b.data[i]) > 8 || Math.abs(a.data[i + 1] - b.data[i + 1]) > 8 ||
         Math.abs(a.data[i + 2] - b.data[i + 2]) > 8;
}

// The share of pixels of region (the whole frame when null) that differ, leaving out mask (or null).
function differingShare(a, b, mask = null, region = null) {
  if (a.width !== b.width || a.height !== b.height) return 1;
  const r = region || { x: 0, y: 0, w: a.width, h: a.height };
  let counted = 0;
  let differing = 0;
  for (let y = r.y; y < r.y + r.h; ++y) {
    for (let x = r.x; x < r.x + r.w; ++x) {
      if (mask && x >= mask.x && x < mask.x + mask.w && y >= mask.y && y < mask.y + mask.h) continue;
      counted += 1;
      if (pixelDiffers(a, b, (y * a.width + x) * 4)) differing += 1;
    }
  }
  return counted ? differing / counted : 0;
}

// Whether more than 1% of region differs between the two frames.
function regionsDiffer(a, b, region) {
  return differingShare(a, b, null, region) > 0.01;
}

// How many different colours the frame holds (a blank canvas has one or two).
function distinctColours(frame) {
  const colours = new Set();
  for (let i = 0; i < frame.data.length; i += 4) {
    colours.add((frame.data[i] << 16) | (frame.data[i + 1] << 8) | frame.data[i + 2]);
    if (colours.size > 4096) break;
  }
  return colours.size;
}

module.exports = { delay, differingShare, distinctColours, regionsDiffer };
