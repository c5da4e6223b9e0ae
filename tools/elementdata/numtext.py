"""Number texts as the dataset tables store them: plain decimals, no exponent, no brackets."""

from decimal import Decimal, ROUND_HALF_EVEN
import math
import re

NUL = "nul"

_LEADING_NUMBER = re.compile(r"^\s*([-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?)")


def plain(value, significant=None):
    """A number as a plain decimal text, rounded to `significant` digits when given.

    Trailing zeros after the point are dropped, and so is a bare point. None gives "nul".
    """
    if value is None:
        return NUL
    number = Decimal(str(value))
    if significant is not None and number != 0:
        exponent = number.adjusted() - significant + 1
        number = number.quantize(Decimal(1).scaleb(exponent), rounding=ROUND_HALF_EVEN)
    text = format(number, "f")
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    if text in ("-0", ""):
        text = "0"
    return text


def leading_number(text):
    """The number a source text starts with ("1811 K" gives 1811.0), or None."""
    if text is None:
        return None
    if isinstance(text, (int, float)):
        return None if isinstance(text, float) and math.isnan(text) else float(text)
    match = _LEADING_NUMBER.match(str(text))
    return float(match.group(1)) if match else None


def leading_number_text(text):
    """The digits of the number a source text starts with, as written there, or None."""
    match = _LEADING_NUMBER.match(str(text)) if text is not None else None
    return match.group(1) if match else None


def is_plain_decimal(text):
    """True for the texts plain() writes: optional minus, digits, optional point and digits."""
    return re.fullmatch(r"-?\d+(\.\d+)?", text) is not None
