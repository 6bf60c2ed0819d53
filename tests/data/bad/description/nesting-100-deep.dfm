object Form1: TForm
object P0: TPanel
object P1: TPanel
object P2: TPanel
object P3: TPanel
object P4: TPanel
object P5: TPanel
object P6: TPanel
object P7: TPanel
object P8: TPanel
object P9: TPanel
object P10: TPanel
object P11: TPanel
object P12: TPanel
object P13: TPanel
object P14: TPanel
object P15: TPanel
object P16: TPanel
object P17: TPanel
object P18: TPanel
object P19: TPanel
object P20: TPanel
object P21: TPanel
object P22: TPanel
object P23: TPanel
object P24: TPanel
object P25: TPanel
object P26: TPanel
object P27: TPanel
object P28: TPanel
object P29: TPanel
object P30: TPanel
object P31: TPanel
object P32: TPanel
object P33: TPanel
object P34: TPanel
object P35: TPanel
object P36: TPanel
object P37: TPanel
object P38: TPanel
object P39: TPanel
object P40: TPanel
object P41: TPanel
object P42: TPanel
object P43: TPanel
object P44: TPanel
object P45: TPanel
object P46: TPanel
object P47: TPanel
object P48: TPanel
object P49: TPanel
object P50: TPanel
object P51: TPanel
object P52: TPanel
object P53: TPanel
object P54: TPanel
object P55: TPanel
object P56: TPanel
object P57: TPanel
object P58: TPanel
object P59: TPanel
object P60: TPanel
object P61: TPanel
object P62: TPanel
object P63: TPanel
object P64: TPanel
object P65: TPanel
object P66: TPanel
object P67: TPanel
object P68: TPanel
object P69: TPanel
object P70: TPanel
object P71: TPanel
object P72: TPanel
object P73: TPanel
object P74: TPanel
object P75: TPanel
object P76: TPanel
object P77: TPanel
object P78: TPanel
object P79: TPanel
object P80: TPanel
object P81: TPanel
object P82: TPanel
object P83: TPanel
object P84: TPanel
object P85: TPanel
object P86: TPanel
object P87: TPanel
object P88: TPanel
object P89: TPanel
object P90: TPanel
object P91: TPanel
object P92: TPanel
object P93: TPanel
object P94: TPanel
object P95: TPanel
object P96: TPanel
object P97: TPanel
object P98: TPanel
object P99: TPanel
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
end
