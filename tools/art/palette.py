"""The product's colours (RGB).

Text that the window layouts put over this art: menu labels white on the strip, 0xF5EEE9
(layout value, blue high byte) while hovered; link labels black on white, green 0x008000 while
hovered; the splash's version label grey; the dialogs' close label white on the red knob."""

NAVY = (8, 34, 84)
DEEP_BLUE = (14, 60, 140)
ROYAL_BLUE = (30, 94, 196)
BRIGHT_BLUE = (72, 146, 236)
SKY = (178, 212, 250)
ICE = (226, 237, 250)
SILVER_LIGHT = (242, 245, 250)
SILVER = (214, 223, 235)
SILVER_DARK = (150, 166, 190)
STEEL = (92, 110, 140)
OUTLINE = (10, 28, 62)
WHITE = (255, 255, 255)
ORANGE = (255, 148, 24)
ORANGE_LIGHT = (255, 204, 92)
ORANGE_DARK = (214, 92, 0)
MAGENTA = (255, 0, 255)  # transparent background of glyphs (their bottom-left pixel)
TEXT_BLUE = (22, 58, 118)
