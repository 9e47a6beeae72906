    3    1    0    0                                                            Line 1 : ICOM, IUNITS, KYL, KXX
    1                                                                           Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts for elastic-plastic section
  150            0.1500000E+03  0.7300000E+04                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kip) for elastic-plastic EI at top of section
  0.7300000E+02  0.2588217E+08  0.2820475E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.1460000E+03  0.2588217E+08  0.5640949E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.2190000E+03  0.2588217E+08  0.8461424E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.2920000E+03  0.2588217E+08  0.1128190E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.3650000E+03  0.2588217E+08  0.1410237E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.4380000E+03  0.2588217E+08  0.1692285E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.5110000E+03  0.2588217E+08  0.1974332E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.5840000E+03  0.2588217E+08  0.2256380E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.6570000E+03  0.2588217E+08  0.2538427E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.7300000E+03  0.2588217E+08  0.2820475E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.8030000E+03  0.2588217E+08  0.3102522E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.8760000E+03  0.2588217E+08  0.3384570E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.9490000E+03  0.2588217E+08  0.3666617E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.1022000E+04  0.2588217E+08  0.3948665E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.1095000E+04  0.2588217E+08  0.4230712E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.1168000E+04  0.2588217E+08  0.4512759E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.1241000E+04  0.2588217E+08  0.4794807E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.1314000E+04  0.2588217E+08  0.5076854E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.1387000E+04  0.2588217E+08  0.5358902E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.1460000E+04  0.2588217E+08  0.5640949E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.1533000E+04  0.2588217E+08  0.5922997E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.1606000E+04  0.2588217E+08  0.6205044E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.1679000E+04  0.2588217E+08  0.6487092E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.1752000E+04  0.2588217E+08  0.6769139E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.1825000E+04  0.2588217E+08  0.7051187E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.1898000E+04  0.2588217E+08  0.7333234E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.1971000E+04  0.2588217E+08  0.7615282E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.2044000E+04  0.2588217E+08  0.7897329E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.2117000E+04  0.2588217E+08  0.8179377E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.2190000E+04  0.2588217E+08  0.8461424E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.2263000E+04  0.2588217E+08  0.8743472E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.2336000E+04  0.2588217E+08  0.9025519E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.2409000E+04  0.2588217E+08  0.9307566E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.2482000E+04  0.2588217E+08  0.9589614E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.2555000E+04  0.2588217E+08  0.9871661E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.2628000E+04  0.2588217E+08  0.1015371E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.2701000E+04  0.2588217E+08  0.1043576E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.2774000E+04  0.2588217E+08  0.1071780E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.2847000E+04  0.2588217E+08  0.1099985E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.2920000E+04  0.2588217E+08  0.1128190E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.2993000E+04  0.2588217E+08  0.1156395E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.3066000E+04  0.2588217E+08  0.1184599E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.3139000E+04  0.2588217E+08  0.1212804E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.3212000E+04  0.2588217E+08  0.1241009E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.3285000E+04  0.2588217E+08  0.1269214E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.3358000E+04  0.2588217E+08  0.1297418E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.3431000E+04  0.2588217E+08  0.1325623E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.3504000E+04  0.2588217E+08  0.1353828E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.3577000E+04  0.2588217E+08  0.1382033E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.3650000E+04  0.2588217E+08  0.1410237E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.3723000E+04  0.2588217E+08  0.1438442E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.3796000E+04  0.2588217E+08  0.1466647E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.3869000E+04  0.2588217E+08  0.1494852E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.3942000E+04  0.2588217E+08  0.1523056E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.4015000E+04  0.2588217E+08  0.1551261E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.4088000E+04  0.2588217E+08  0.1579466E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.4161000E+04  0.2588217E+08  0.1607671E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.4234000E+04  0.2588217E+08  0.1635875E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.4307000E+04  0.2588217E+08  0.1664080E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.4380000E+04  0.2588217E+08  0.1692285E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.4453000E+04  0.2588217E+08  0.1720490E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.4526000E+04  0.2588217E+08  0.1748694E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.4599000E+04  0.2588217E+08  0.1776899E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.4672000E+04  0.2588217E+08  0.1805104E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.4745000E+04  0.2588217E+08  0.1833309E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.4818000E+04  0.2588217E+08  0.1861513E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.4891000E+04  0.2588217E+08  0.1889718E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.4964000E+04  0.2588217E+08  0.1917923E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.5037000E+04  0.2588217E+08  0.1946128E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.5110000E+04  0.2588217E+08  0.1974332E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.5183000E+04  0.2588217E+08  0.2002537E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.5256000E+04  0.2588217E+08  0.2030742E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.5329000E+04  0.2588217E+08  0.2058947E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.5402000E+04  0.2588217E+08  0.2087151E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.5475000E+04  0.2588217E+08  0.2115356E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.5548000E+04  0.2588217E+08  0.2143561E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.5621000E+04  0.2588217E+08  0.2171766E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.5694000E+04  0.2588217E+08  0.2199970E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.5767000E+04  0.2588217E+08  0.2228175E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.5840000E+04  0.2588217E+08  0.2256380E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.5913000E+04  0.2588217E+08  0.2284584E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.5986000E+04  0.2588217E+08  0.2312789E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.6059000E+04  0.2588217E+08  0.2340994E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.6132000E+04  0.2588217E+08  0.2369199E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.6205000E+04  0.2588217E+08  0.2397403E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.6278000E+04  0.2588217E+08  0.2425608E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.6351000E+04  0.2588217E+08  0.2453813E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.6424000E+04  0.2588217E+08  0.2482018E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.6497000E+04  0.2588217E+08  0.2510222E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.6570000E+04  0.2588217E+08  0.2538427E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.6643000E+04  0.2588217E+08  0.2566632E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.6716000E+04  0.2588217E+08  0.2594837E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.6789000E+04  0.2588217E+08  0.2623041E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.6862000E+04  0.2588217E+08  0.2651246E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.6935000E+04  0.2588217E+08  0.2679451E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.7008000E+04  0.2588217E+08  0.2707656E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.7081000E+04  0.2588217E+08  0.2735860E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.7154000E+04  0.2588217E+08  0.2764065E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.7227000E+04  0.2588217E+08  0.2792270E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.7300000E+04  0.2588217E+08  0.2820475E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.7300000E+04  0.2156847E+08  0.3384570E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.7300000E+04  0.1848726E+08  0.3948665E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.7300000E+04  0.1617636E+08  0.4512759E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.7300000E+04  0.1437898E+08  0.5076854E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.7300000E+04  0.1294108E+08  0.5640949E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.7300000E+04  0.1176462E+08  0.6205044E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.7300000E+04  0.1078424E+08  0.6769139E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.7300000E+04  0.9954680E+07  0.7333234E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.7300000E+04  0.9243631E+07  0.7897329E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.7300000E+04  0.8627389E+07  0.8461424E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.7300000E+04  0.8088178E+07  0.9025519E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.7300000E+04  0.7612402E+07  0.9589614E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.7300000E+04  0.7189491E+07  0.1015371E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.7300000E+04  0.6811097E+07  0.1071780E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.7300000E+04  0.6470542E+07  0.1128190E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.7300000E+04  0.6162421E+07  0.1184599E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.7300000E+04  0.5882311E+07  0.1241009E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.7300000E+04  0.5626558E+07  0.1297418E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.7300000E+04  0.5392118E+07  0.1353828E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.7300000E+04  0.5176434E+07  0.1410237E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.7300000E+04  0.4977340E+07  0.1466647E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.7300000E+04  0.4792994E+07  0.1523056E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.7300000E+04  0.4621816E+07  0.1579466E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.7300000E+04  0.4462443E+07  0.1635875E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.7300000E+04  0.4313695E+07  0.1692285E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.7300000E+04  0.4174543E+07  0.1748694E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.7300000E+04  0.4044089E+07  0.1805104E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.7300000E+04  0.3921541E+07  0.1861513E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.7300000E+04  0.3806201E+07  0.1917923E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.7300000E+04  0.3697453E+07  0.1974332E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.7300000E+04  0.3594746E+07  0.2030742E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.7300000E+04  0.3497590E+07  0.2087151E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.7300000E+04  0.3405548E+07  0.2143561E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.7300000E+04  0.3318227E+07  0.2199970E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.7300000E+04  0.3235271E+07  0.2256380E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.7300000E+04  0.3156362E+07  0.2312789E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=136
  0.7300000E+04  0.3081210E+07  0.2369199E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=137
  0.7300000E+04  0.3009554E+07  0.2425608E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=138
  0.7300000E+04  0.2941155E+07  0.2482018E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=139
  0.7300000E+04  0.2875796E+07  0.2538427E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=140
  0.7300000E+04  0.2813279E+07  0.2594837E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=141
  0.7300000E+04  0.2753422E+07  0.2651246E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=142
  0.7300000E+04  0.2696059E+07  0.2707656E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=143
  0.7300000E+04  0.2641038E+07  0.2764065E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=144
  0.7300000E+04  0.2588217E+07  0.2820475E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=145
  0.7300000E+04  0.2537467E+07  0.2876884E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=146
  0.7300000E+04  0.2488670E+07  0.2933294E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=147
  0.7300000E+04  0.2441714E+07  0.2989703E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=148
  0.7300000E+04  0.2396497E+07  0.3046113E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=149
  0.7300000E+04  0.2352924E+07  0.3102522E-02                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=150
    0                                                                           Line 6 : number of output p-y curves
    2  101    1                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.3448090E+00  0.3990969E-07  0.2000000E+05 -0.1451547E+03  0.2588217E+11 Line 10(  1): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.3214147E+00  0.1208964E+06  0.1895087E+05 -0.2045554E+03  0.2588217E+11 Line 10(  2): nodal depth, y, M, V, p, EI
  0.1200000E+02  0.2981886E+00  0.2344035E+06  0.1754730E+05 -0.2633022E+03  0.2588217E+11 Line 10(  3): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.2752884E+00  0.3383829E+06  0.1579497E+05 -0.3208071E+03  0.2588217E+11 Line 10(  4): nodal depth, y, M, V, p, EI
  0.2400000E+02  0.2528590E+00  0.4307426E+06  0.1370330E+05 -0.3764147E+03  0.2588217E+11 Line 10(  5): nodal depth, y, M, V, p, EI
  0.3000000E+02  0.2310286E+00  0.5094615E+06  0.1172678E+05 -0.2824253E+03  0.2588217E+11 Line 10(  6): nodal depth, y, M, V, p, EI
  0.3600000E+02  0.2099069E+00  0.5779068E+06  0.1004626E+05 -0.2777487E+03  0.2588217E+11 Line 10(  7): nodal depth, y, M, V, p, EI
  0.4200000E+02  0.1895890E+00  0.6362326E+06  0.8397474E+04 -0.2718472E+03  0.2588217E+11 Line 10(  8): nodal depth, y, M, V, p, EI
  0.4800000E+02  0.1701561E+00  0.6846391E+06  0.6788001E+04 -0.2646439E+03  0.2588217E+11 Line 10(  9): nodal depth, y, M, V, p, EI
  0.5400000E+02  0.1516754E+00  0.7233756E+06  0.5225860E+04 -0.2560697E+03  0.2588217E+11 Line 10( 10): nodal depth, y, M, V, p, EI
  0.6000000E+02  0.1342009E+00  0.7527427E+06  0.3719452E+04 -0.2460665E+03  0.2588217E+11 Line 10( 11): nodal depth, y, M, V, p, EI
  0.6600000E+02  0.1177734E+00  0.7730943E+06  0.2277479E+04 -0.2345913E+03  0.2588217E+11 Line 10( 12): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.1024212E+00  0.7848394E+06  0.9088430E+03 -0.2216206E+03  0.2588217E+11 Line 10( 13): nodal depth, y, M, V, p, EI
  0.7800000E+02  0.8816066E-01  0.7884424E+06 -0.3774870E+03 -0.2071561E+03  0.2588217E+11 Line 10( 14): nodal depth, y, M, V, p, EI
  0.8400000E+02  0.7499678E-01  0.7844232E+06 -0.1572645E+04 -0.1912301E+03  0.2588217E+11 Line 10( 15): nodal depth, y, M, V, p, EI
  0.9000000E+02  0.6292396E-01  0.7733561E+06 -0.2668075E+04 -0.1739131E+03  0.2588217E+11 Line 10( 16): nodal depth, y, M, V, p, EI
  0.9600000E+02  0.5192682E-01  0.7558668E+06 -0.3655775E+04 -0.1553202E+03  0.2588217E+11 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1020000E+03  0.4198103E-01  0.7326283E+06 -0.4528589E+04 -0.1356180E+03  0.2588217E+11 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1080000E+03  0.3305426E-01  0.7043546E+06 -0.5280530E+04 -0.1150289E+03  0.2588217E+11 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1140000E+03  0.2510720E-01  0.6717930E+06 -0.5907116E+04 -0.9383298E+02  0.2588217E+11 Line 10( 20): nodal depth, y, M, V, p, EI
  0.1200000E+03  0.1809454E-01  0.6357132E+06 -0.6405708E+04 -0.7236425E+02  0.2588217E+11 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1260000E+03  0.1196611E-01  0.5968956E+06 -0.6775805E+04 -0.5100162E+02  0.2588217E+11 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1320000E+03  0.6667918E-02  0.5561175E+06 -0.7019269E+04 -0.3015295E+02  0.2588217E+11 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1380000E+03  0.2143237E-02  0.5141378E+06 -0.7140429E+04 -0.1023357E+02  0.2588217E+11 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1440000E+03 -0.1666321E-02  0.4716825E+06 -0.7146827E+04  0.8100774E+01  0.2588217E+11 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1500000E+03 -0.4819806E-02  0.4294204E+06 -0.7053292E+04  0.2307768E+02  0.2588217E+11 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1560000E+03 -0.7376003E-02  0.3878995E+06 -0.6879087E+04  0.3499066E+02  0.2588217E+11 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1620000E+03 -0.9392663E-02  0.3475573E+06 -0.6641015E+04  0.4436651E+02  0.2588217E+11 Line 10( 28): nodal depth, y, M, V, p, EI
  0.1680000E+03 -0.1092590E-01  0.3087398E+06 -0.6353100E+04  0.5160527E+02  0.2588217E+11 Line 10( 29): nodal depth, y, M, V, p, EI
  0.1740000E+03 -0.1202970E-01  0.2717156E+06 -0.6027226E+04  0.5701914E+02  0.2588217E+11 Line 10( 30): nodal depth, y, M, V, p, EI
  0.1800000E+03 -0.1275557E-01  0.2366875E+06 -0.5673594E+04  0.6085820E+02  0.2588217E+11 Line 10( 31): nodal depth, y, M, V, p, EI
  0.1860000E+03 -0.1315223E-01  0.2038009E+06 -0.5301036E+04  0.6332793E+02  0.2588217E+11 Line 10( 32): nodal depth, y, M, V, p, EI
  0.1920000E+03 -0.1326541E-01  0.1731515E+06 -0.4917248E+04  0.6460140E+02  0.2588217E+11 Line 10( 33): nodal depth, y, M, V, p, EI
  0.1980000E+03 -0.1313776E-01  0.1447917E+06 -0.4528960E+04  0.6482794E+02  0.2588217E+11 Line 10( 34): nodal depth, y, M, V, p, EI
  0.2040000E+03 -0.1280871E-01  0.1187355E+06 -0.4142058E+04  0.6413929E+02  0.2588217E+11 Line 10( 35): nodal depth, y, M, V, p, EI
  0.2100000E+03 -0.1231451E-01  0.9496354E+05 -0.3761678E+04  0.6265412E+02  0.2588217E+11 Line 10( 36): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.1168823E-01  0.7342730E+05 -0.3392272E+04  0.6048126E+02  0.2588217E+11 Line 10( 37): nodal depth, y, M, V, p, EI
  0.2220000E+03 -0.1095981E-01  0.5405307E+05 -0.3037662E+04  0.5772211E+02  0.2588217E+11 Line 10( 38): nodal depth, y, M, V, p, EI
  0.2280000E+03 -0.1015621E-01  0.3674555E+05 -0.2701079E+04  0.5447227E+02  0.2588217E+11 Line 10( 39): nodal depth, y, M, V, p, EI
  0.2340000E+03 -0.9301499E-02  0.2139138E+05 -0.2385194E+04  0.5082273E+02  0.2588217E+11 Line 10( 40): nodal depth, y, M, V, p, EI
  0.2400000E+03 -0.8417034E-02  0.7862353E+04 -0.2092143E+04  0.4686069E+02  0.2588217E+11 Line 10( 41): nodal depth, y, M, V, p, EI
  0.2460000E+03 -0.7521634E-02 -0.3981325E+04 -0.1823551E+04  0.4267006E+02  0.2588217E+11 Line 10( 42): nodal depth, y, M, V, p, EI
  0.2520000E+03 -0.6631772E-02 -0.1428805E+05 -0.1580546E+04  0.3833179E+02  0.2588217E+11 Line 10( 43): nodal depth, y, M, V, p, EI
  0.2580000E+03 -0.5761783E-02 -0.2321185E+05 -0.1363778E+04  0.3392407E+02  0.2588217E+11 Line 10( 44): nodal depth, y, M, V, p, EI
  0.2640000E+03 -0.4924079E-02 -0.3090954E+05 -0.1173438E+04  0.2952245E+02  0.2588217E+11 Line 10( 45): nodal depth, y, M, V, p, EI
  0.2700000E+03 -0.4129369E-02 -0.3753797E+05 -0.1009271E+04  0.2519987E+02  0.2588217E+11 Line 10( 46): nodal depth, y, M, V, p, EI
  0.2760000E+03 -0.3386871E-02 -0.4325138E+05 -0.8705915E+03  0.2102678E+02  0.2588217E+11 Line 10( 47): nodal depth, y, M, V, p, EI
  0.2820000E+03 -0.2704532E-02 -0.4819880E+05 -0.7562978E+03  0.1707115E+02  0.2588217E+11 Line 10( 48): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.2089233E-02 -0.5252160E+05 -0.6648885E+03  0.1339861E+02  0.2588217E+11 Line 10( 49): nodal depth, y, M, V, p, EI
  0.2940000E+03 -0.1546988E-02 -0.5635109E+05 -0.5944750E+03  0.1007256E+02  0.2588217E+11 Line 10( 50): nodal depth, y, M, V, p, EI
  0.3000000E+03 -0.1083123E-02 -0.5980621E+05 -0.1706679E+03  0.1311965E+03  0.2588217E+11 Line 10( 51): nodal depth, y, M, V, p, EI
  0.3060000E+03 -0.7024429E-03 -0.5852579E+05  0.5151733E+03  0.9741729E+02  0.2588217E+11 Line 10( 52): nodal depth, y, M, V, p, EI
  0.3120000E+03 -0.4031678E-03 -0.5372613E+05  0.9796654E+03  0.5741339E+02  0.2588217E+11 Line 10( 53): nodal depth, y, M, V, p, EI
  0.3180000E+03 -0.1786213E-03 -0.4684837E+05  0.1230231E+04  0.2610844E+02  0.2588217E+11 Line 10( 54): nodal depth, y, M, V, p, EI
  0.3240000E+03 -0.1923719E-04 -0.3902095E+05  0.1317211E+04  0.2884919E+01  0.2588217E+11 Line 10( 55): nodal depth, y, M, V, p, EI
  0.3300000E+03  0.8587197E-04 -0.3108152E+05  0.1286243E+04 -0.1320742E+02  0.2588217E+11 Line 10( 56): nodal depth, y, M, V, p, EI
  0.3360000E+03  0.1477493E-03 -0.2361107E+05  0.1176730E+04 -0.2329710E+02  0.2588217E+11 Line 10( 57): nodal depth, y, M, V, p, EI
  0.3420000E+03  0.1767855E-03 -0.1697439E+05  0.1021136E+04 -0.2856765E+02  0.2588217E+11 Line 10( 58): nodal depth, y, M, V, p, EI
  0.3480000E+03  0.1822117E-03 -0.1136261E+05  0.8449381E+03 -0.3016488E+02  0.2588217E+11 Line 10( 59): nodal depth, y, M, V, p, EI
  0.3540000E+03  0.1718334E-03 -0.6834395E+04  0.6670452E+03 -0.2913275E+02  0.2588217E+11 Line 10( 60): nodal depth, y, M, V, p, EI
  0.3600000E+03  0.1519490E-03 -0.3353530E+04  0.5005249E+03 -0.2637401E+02  0.2588217E+11 Line 10( 61): nodal depth, y, M, V, p, EI
  0.3660000E+03  0.1274001E-03 -0.8214306E+03  0.3535086E+03 -0.2263145E+02  0.2588217E+11 Line 10( 62): nodal depth, y, M, V, p, EI
  0.3720000E+03  0.1017087E-03  0.8961083E+03  0.2301579E+03 -0.1848542E+02  0.2588217E+11 Line 10( 63): nodal depth, y, M, V, p, EI
  0.3780000E+03  0.7726375E-04  0.1947985E+04  0.1316129E+03 -0.1436295E+02  0.2588217E+11 Line 10( 64): nodal depth, y, M, V, p, EI
  0.3840000E+03  0.5552825E-04  0.2482390E+04  0.5685959E+02 -0.1055481E+02  0.2588217E+11 Line 10( 65): nodal depth, y, M, V, p, EI
  0.3900000E+03  0.3724556E-04  0.2636303E+04  0.3484323E+01 -0.7236945E+01  0.2588217E+11 Line 10( 66): nodal depth, y, M, V, p, EI
  0.3960000E+03  0.2262974E-04  0.2529136E+04 -0.3170698E+02 -0.4493491E+01  0.2588217E+11 Line 10( 67): nodal depth, y, M, V, p, EI
  0.4020000E+03  0.1153175E-04  0.2259676E+04 -0.5220567E+02 -0.2339406E+01  0.2588217E+11 Line 10( 68): nodal depth, y, M, V, p, EI
  0.4080000E+03  0.3576792E-05  0.1905526E+04 -0.6144729E+02 -0.7411317E+00  0.2588217E+11 Line 10( 69): nodal depth, y, M, V, p, EI
  0.4140000E+03 -0.1727738E-05  0.1524298E+04 -0.6257400E+02  0.3655610E+00  0.2588217E+11 Line 10( 70): nodal depth, y, M, V, p, EI
  0.4200000E+03 -0.4912093E-05  0.1155911E+04 -0.5829428E+02  0.1061012E+01  0.2588217E+11 Line 10( 71): nodal depth, y, M, V, p, EI
  0.4260000E+03 -0.6488669E-05  0.8254805E+03 -0.5081987E+02  0.1430460E+01  0.2588217E+11 Line 10( 72): nodal depth, y, M, V, p, EI
  0.4320000E+03 -0.6917069E-05  0.5463738E+03 -0.4186053E+02  0.1555985E+01  0.2588217E+11 Line 10( 73): nodal depth, y, M, V, p, EI
  0.4380000E+03 -0.6585506E-05  0.3231686E+03 -0.3265884E+02  0.1511247E+01  0.2588217E+11 Line 10( 74): nodal depth, y, M, V, p, EI
  0.4440000E+03 -0.5804443E-05  0.1543009E+03 -0.2404948E+02  0.1358538E+01  0.2588217E+11 Line 10( 75): nodal depth, y, M, V, p, EI
  0.4500000E+03 -0.4808759E-05  0.3430828E+02 -0.1653088E+02  0.1147662E+01  0.2588217E+11 Line 10( 76): nodal depth, y, M, V, p, EI
  0.4560000E+03 -0.3765355E-05 -0.4437562E+02 -0.1033947E+02  0.9161432E+00  0.2588217E+11 Line 10( 77): nodal depth, y, M, V, p, EI
  0.4620000E+03 -0.2783675E-05 -0.9006910E+02 -0.5520027E+01  0.6903374E+00  0.2588217E+11 Line 10( 78): nodal depth, y, M, V, p, EI
  0.4680000E+03 -0.1927273E-05 -0.1108917E+03 -0.1987834E+01  0.4870604E+00  0.2588217E+11 Line 10( 79): nodal depth, y, M, V, p, EI
  0.4740000E+03 -0.1225112E-05 -0.1141569E+03  0.4196862E+00  0.3154462E+00  0.2588217E+11 Line 10( 80): nodal depth, y, M, V, p, EI
  0.4800000E+03 -0.6817345E-06 -0.1060423E+03  0.1902453E+01  0.1788092E+00  0.2588217E+11 Line 10( 81): nodal depth, y, M, V, p, EI
  0.4860000E+03 -0.2858530E-06 -0.9146835E+02  0.2667957E+01  0.7635890E-01  0.2588217E+11 Line 10( 82): nodal depth, y, M, V, p, EI
  0.4920000E+03 -0.1719667E-07 -0.7412645E+02  0.2911066E+01  0.4677592E-02  0.2588217E+11 Line 10( 83): nodal depth, y, M, V, p, EI
  0.4980000E+03  0.1483558E-06 -0.5660069E+02  0.2801849E+01 -0.4108322E-01  0.2588217E+11 Line 10( 84): nodal depth, y, M, V, p, EI
  0.5040000E+03  0.2351813E-06 -0.4054211E+02  0.2479721E+01 -0.6629291E-01  0.2588217E+11 Line 10( 85): nodal depth, y, M, V, p, EI
  0.5100000E+03  0.2656160E-06 -0.2686162E+02  0.2052247E+01 -0.7619860E-01  0.2588217E+11 Line 10( 86): nodal depth, y, M, V, p, EI
  0.5160000E+03  0.2586884E-06 -0.1591868E+02  0.1597111E+01 -0.7551337E-01  0.2588217E+11 Line 10( 87): nodal depth, y, M, V, p, EI
  0.5220000E+03  0.2296192E-06 -0.7690896E+01  0.1165993E+01 -0.6819248E-01  0.2588217E+11 Line 10( 88): nodal depth, y, M, V, p, EI
  0.5280000E+03  0.1898526E-06 -0.1916438E+01  0.7893571E+00 -0.5735284E-01  0.2588217E+11 Line 10( 89): nodal depth, y, M, V, p, EI
  0.5340000E+03  0.1474203E-06  0.1793719E+01  0.4814180E+00 -0.4529353E-01  0.2588217E+11 Line 10( 90): nodal depth, y, M, V, p, EI
  0.5400000E+03  0.1074830E-06  0.3872934E+01  0.2447951E+00 -0.3358077E-01  0.2588217E+11 Line 10( 91): nodal depth, y, M, V, p, EI
  0.5460000E+03  0.7293263E-07  0.4742433E+01  0.7455057E-01 -0.2316742E-01  0.2588217E+11 Line 10( 92): nodal depth, y, M, V, p, EI
  0.5520000E+03  0.4497859E-07  0.4776916E+01 -0.3852513E-01 -0.1452449E-01  0.2588217E+11 Line 10( 93): nodal depth, y, M, V, p, EI
  0.5580000E+03  0.2366885E-07  0.4287521E+01 -0.1054046E+00 -0.7768674E-02  0.2588217E+11 Line 10( 94): nodal depth, y, M, V, p, EI
  0.5640000E+03  0.8322703E-08  0.3517560E+01 -0.1370391E+00 -0.2776169E-02  0.2588217E+11 Line 10( 95): nodal depth, y, M, V, p, EI
  0.5700000E+03 -0.2130801E-08  0.2646922E+01 -0.1432010E+00  0.7222274E-03  0.2588217E+11 Line 10( 96): nodal depth, y, M, V, p, EI
  0.5760000E+03 -0.8902652E-08  0.1801732E+01 -0.1318370E+00  0.3065768E-02  0.2588217E+11 Line 10( 97): nodal depth, y, M, V, p, EI
  0.5820000E+03 -0.1316844E-07  0.1066534E+01 -0.1088198E+00  0.4606631E-02  0.2588217E+11 Line 10( 98): nodal depth, y, M, V, p, EI
  0.5880000E+03 -0.1595077E-07  0.4969517E+00 -0.7799701E-01  0.5667626E-02  0.2588217E+11 Line 10( 99): nodal depth, y, M, V, p, EI
  0.5940000E+03 -0.1804187E-07  0.1313005E+00 -0.4146263E-01  0.6510500E-02  0.2588217E+11 Line 10(100): nodal depth, y, M, V, p, EI
  0.6000000E+03 -0.1995035E-07  0.0000000E+00  0.0000000E+00  0.7310378E-02  0.2588217E+11 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.2096989E+00 -0.1487059E+07  0.3000000E+05 -0.1239487E+03  0.2588217E+11 Line 10(  1): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.2086648E+00 -0.1309135E+07  0.2909505E+05 -0.1777021E+03  0.2588217E+11 Line 10(  2): nodal depth, y, M, V, p, EI
  0.1200000E+02  0.2058097E+00 -0.1137335E+07  0.2786445E+05 -0.2324967E+03  0.2588217E+11 Line 10(  3): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.2013726E+00 -0.9736674E+06  0.2630349E+05 -0.2878246E+03  0.2588217E+11 Line 10(  4): nodal depth, y, M, V, p, EI
  0.2400000E+02  0.1955813E+00 -0.8201587E+06  0.2441048E+05 -0.3431762E+03  0.2588217E+11 Line 10(  5): nodal depth, y, M, V, p, EI
  0.3000000E+02  0.1886492E+00 -0.6788331E+06  0.2259558E+05 -0.2617908E+03  0.2588217E+11 Line 10(  6): nodal depth, y, M, V, p, EI
  0.3600000E+02  0.1807729E+00 -0.5467904E+06  0.2102418E+05 -0.2620121E+03  0.2588217E+11 Line 10(  7): nodal depth, y, M, V, p, EI
  0.4200000E+02  0.1721361E+00 -0.4240660E+06  0.1945409E+05 -0.2613485E+03  0.2588217E+11 Line 10(  8): nodal depth, y, M, V, p, EI
  0.4800000E+02  0.1629094E+00 -0.3106617E+06  0.1789073E+05 -0.2597728E+03  0.2588217E+11 Line 10(  9): nodal depth, y, M, V, p, EI
  0.5400000E+02  0.1532506E+00 -0.2065444E+06  0.1633965E+05 -0.2572554E+03  0.2588217E+11 Line 10( 10): nodal depth, y, M, V, p, EI
  0.6000000E+02  0.1433045E+00 -0.1116453E+06  0.1480658E+05 -0.2537661E+03  0.2588217E+11 Line 10( 11): nodal depth, y, M, V, p, EI
  0.6600000E+02  0.1332032E+00 -0.2585836E+05  0.1329745E+05 -0.2492763E+03  0.2588217E+11 Line 10( 12): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.1230658E+00  0.5095999E+05  0.1181834E+05 -0.2437608E+03  0.2588217E+11 Line 10( 13): nodal depth, y, M, V, p, EI
  0.7800000E+02  0.1129994E+00  0.1189923E+06  0.1037546E+05 -0.2372003E+03  0.2588217E+11 Line 10( 14): nodal depth, y, M, V, p, EI
  0.8400000E+02  0.1030985E+00  0.1784606E+06  0.8975108E+04 -0.2295834E+03  0.2588217E+11 Line 10( 15): nodal depth, y, M, V, p, EI
  0.9000000E+02  0.9344574E-01  0.2296267E+06  0.7623629E+04 -0.2209095E+03  0.2588217E+11 Line 10( 16): nodal depth, y, M, V, p, EI
  0.9600000E+02  0.8411242E-01  0.2727921E+06  0.6327327E+04 -0.2111912E+03  0.2588217E+11 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1020000E+03  0.7515853E-01  0.3082977E+06  0.5092383E+04 -0.2004569E+03  0.2588217E+11 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1080000E+03  0.6663345E-01  0.3365225E+06  0.3924751E+04 -0.1887538E+03  0.2588217E+11 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1140000E+03  0.5857646E-01  0.3578820E+06  0.2830039E+04 -0.1761502E+03  0.2588217E+11 Line 10( 20): nodal depth, y, M, V, p, EI
  0.1200000E+03  0.5101724E-01  0.3728254E+06  0.1813374E+04 -0.1627380E+03  0.2588217E+11 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1260000E+03  0.4397660E-01  0.3818324E+06  0.8792588E+03 -0.1486337E+03  0.2588217E+11 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1320000E+03  0.3746705E-01  0.3854090E+06  0.3142090E+02 -0.1339789E+03  0.2588217E+11 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1380000E+03  0.3149358E-01  0.3840819E+06 -0.7273357E+03 -0.1189399E+03  0.2588217E+11 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.2605433E-01  0.3783929E+06 -0.1395268E+04 -0.1037042E+03  0.2588217E+11 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1500000E+03  0.2114140E-01  0.3688916E+06 -0.1971811E+04 -0.8847672E+02  0.2588217E+11 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1560000E+03  0.1674156E-01  0.3561281E+06 -0.2457660E+04 -0.7347290E+02  0.2588217E+11 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1620000E+03  0.1283707E-01  0.3406453E+06 -0.2854812E+04 -0.5891110E+02  0.2588217E+11 Line 10( 28): nodal depth, y, M, V, p, EI
  0.1680000E+03  0.9406394E-02  0.3229706E+06 -0.3166556E+04 -0.4500351E+02  0.2588217E+11 Line 10( 29): nodal depth, y, M, V, p, EI
  0.1740000E+03  0.6424941E-02  0.3036084E+06 -0.3397407E+04 -0.3194683E+02  0.2588217E+11 Line 10( 30): nodal depth, y, M, V, p, EI
  0.1800000E+03  0.3865782E-02  0.2830328E+06 -0.3552988E+04 -0.1991366E+02  0.2588217E+11 Line 10( 31): nodal depth, y, M, V, p, EI
  0.1860000E+03  0.1700299E-02  0.2616813E+06 -0.3639865E+04 -0.9045123E+01  0.2588217E+11 Line 10( 32): nodal depth, y, M, V, p, EI
  0.1920000E+03 -0.1012059E-03  0.2399495E+06 -0.3665340E+04  0.5532055E+00  0.2588217E+11 Line 10( 33): nodal depth, y, M, V, p, EI
  0.1980000E+03 -0.1568961E-02  0.2181876E+06 -0.3637992E+04  0.8562850E+01  0.2588217E+11 Line 10( 34): nodal depth, y, M, V, p, EI
  0.2040000E+03 -0.2733235E-02  0.1966884E+06 -0.3567495E+04  0.1493620E+02  0.2588217E+11 Line 10( 35): nodal depth, y, M, V, p, EI
  0.2100000E+03 -0.3623931E-02  0.1756859E+06 -0.3463053E+04  0.1987781E+02  0.2588217E+11 Line 10( 36): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.4270262E-02  0.1553623E+06 -0.3332737E+04  0.2356097E+02  0.2588217E+11 Line 10( 37): nodal depth, y, M, V, p, EI
  0.2220000E+03 -0.4700497E-02  0.1358545E+06 -0.3183648E+04  0.2613539E+02  0.2588217E+11 Line 10( 38): nodal depth, y, M, V, p, EI
  0.2280000E+03 -0.4941769E-02  0.1172593E+06 -0.3022043E+04  0.2773291E+02  0.2588217E+11 Line 10( 39): nodal depth, y, M, V, p, EI
  0.2340000E+03 -0.5019943E-02  0.9963794E+05 -0.2853428E+04  0.2847191E+02  0.2588217E+11 Line 10( 40): nodal depth, y, M, V, p, EI
  0.2400000E+03 -0.4959528E-02  0.8302080E+05 -0.2682631E+04  0.2846064E+02  0.2588217E+11 Line 10( 41): nodal depth, y, M, V, p, EI
  0.2460000E+03 -0.4783639E-02  0.6741093E+05 -0.2513849E+04  0.2779991E+02  0.2588217E+11 Line 10( 42): nodal depth, y, M, V, p, EI
  0.2520000E+03 -0.4513986E-02  0.5278779E+05 -0.2350694E+04  0.2658517E+02  0.2588217E+11 Line 10( 43): nodal depth, y, M, V, p, EI
  0.2580000E+03 -0.4170910E-02  0.3911070E+05 -0.2196214E+04  0.2490820E+02  0.2588217E+11 Line 10( 44): nodal depth, y, M, V, p, EI
  0.2640000E+03 -0.3773434E-02  0.2632214E+05 -0.2052913E+04  0.2285854E+02  0.2588217E+11 Line 10( 45): nodal depth, y, M, V, p, EI
  0.2700000E+03 -0.3339346E-02  0.1435100E+05 -0.1922764E+04  0.2052461E+02  0.2588217E+11 Line 10( 46): nodal depth, y, M, V, p, EI
  0.2760000E+03 -0.2885297E-02  0.3115752E+04 -0.1807206E+04  0.1799469E+02  0.2588217E+11 Line 10( 47): nodal depth, y, M, V, p, EI
  0.2820000E+03 -0.2426914E-02 -0.7472337E+04 -0.1707149E+04  0.1535774E+02  0.2588217E+11 Line 10( 48): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.1978925E-02 -0.1750599E+05 -0.1622963E+04  0.1270407E+02  0.2588217E+11 Line 10( 49): nodal depth, y, M, V, p, EI
  0.2940000E+03 -0.1555285E-02 -0.2707864E+05 -0.1554474E+04  0.1012580E+02  0.2588217E+11 Line 10( 50): nodal depth, y, M, V, p, EI
  0.3000000E+03 -0.1169309E-02 -0.3628112E+05 -0.1122904E+04  0.1337307E+03  0.2588217E+11 Line 10( 51): nodal depth, y, M, V, p, EI
  0.3060000E+03 -0.8337970E-03 -0.4066171E+05 -0.3748101E+03  0.1156339E+03  0.2588217E+11 Line 10( 52): nodal depth, y, M, V, p, EI
  0.3120000E+03 -0.5548424E-03 -0.4087101E+05  0.2091300E+03  0.7901273E+02  0.2588217E+11 Line 10( 53): nodal depth, y, M, V, p, EI
  0.3180000E+03 -0.3327361E-03 -0.3822731E+05  0.5920727E+03  0.4863485E+02  0.2588217E+11 Line 10( 54): nodal depth, y, M, V, p, EI
  0.3240000E+03 -0.1638009E-03 -0.3382479E+05  0.8116708E+03  0.2456452E+02  0.2588217E+11 Line 10( 55): nodal depth, y, M, V, p, EI
  0.3300000E+03 -0.4191324E-04 -0.2853089E+05  0.9047036E+03  0.6446406E+01  0.2588217E+11 Line 10( 56): nodal depth, y, M, V, p, EI
  0.3360000E+03  0.4029027E-04 -0.2299896E+05  0.9049839E+03 -0.6352970E+01  0.2588217E+11 Line 10( 57): nodal depth, y, M, V, p, EI
  0.3420000E+03  0.9050409E-04 -0.1769094E+05  0.8420500E+03 -0.1462501E+02  0.2588217E+11 Line 10( 58): nodal depth, y, M, V, p, EI
  0.3480000E+03  0.1161112E-03 -0.1290573E+05  0.7405088E+03 -0.1922205E+02  0.2588217E+11 Line 10( 59): nodal depth, y, M, V, p, EI
  0.3540000E+03  0.1237676E-03 -0.8809827E+04  0.6198917E+03 -0.2098364E+02  0.2588217E+11 Line 10( 60): nodal depth, y, M, V, p, EI
  0.3600000E+03  0.1191701E-03 -0.5467493E+04  0.4948872E+03 -0.2068453E+02  0.2588217E+11 Line 10( 61): nodal depth, y, M, V, p, EI
  0.3660000E+03  0.1069678E-03 -0.2868661E+04  0.3758281E+03 -0.1900184E+02  0.2588217E+11 Line 10( 62): nodal depth, y, M, V, p, EI
  0.3720000E+03  0.9077550E-04 -0.9532965E+03  0.2693276E+03 -0.1649832E+02  0.2588217E+11 Line 10( 63): nodal depth, y, M, V, p, EI
  0.3780000E+03  0.7325719E-04  0.3683272E+03  0.1789782E+03 -0.1361814E+02  0.2588217E+11 Line 10( 64): nodal depth, y, M, V, p, EI
  0.3840000E+03  0.5625119E-04  0.1199621E+04  0.1060471E+03 -0.1069223E+02  0.2588217E+11 Line 10( 65): nodal depth, y, M, V, p, EI
  0.3900000E+03  0.4091377E-04  0.1645744E+04  0.5012136E+02 -0.7949691E+01  0.2588217E+11 Line 10( 66): nodal depth, y, M, V, p, EI
  0.3960000E+03  0.2786544E-04  0.1805335E+04  0.9672924E+01 -0.5533122E+01  0.2588217E+11 Line 10( 67): nodal depth, y, M, V, p, EI
  0.4020000E+03  0.1732819E-04  0.1765357E+04 -0.1747237E+02 -0.3515309E+01  0.2588217E+11 Line 10( 68): nodal depth, y, M, V, p, EI
  0.4080000E+03  0.9246414E-05  0.1598460E+04 -0.3376602E+02 -0.1915910E+01  0.2588217E+11 Line 10( 69): nodal depth, y, M, V, p, EI
  0.4140000E+03  0.3387962E-05  0.1362256E+04 -0.4166427E+02 -0.7168370E+00  0.2588217E+11 Line 10( 70): nodal depth, y, M, V, p, EI
  0.4200000E+03 -0.5757036E-06  0.1099962E+04 -0.4344172E+02  0.1243520E+00  0.2588217E+11 Line 10( 71): nodal depth, y, M, V, p, EI
  0.4260000E+03 -0.3009411E-05  0.8419148E+03 -0.4107834E+02  0.6634397E+00  0.2588217E+11 Line 10( 72): nodal depth, y, M, V, p, EI
  0.4320000E+03 -0.4272083E-05  0.6075760E+03 -0.3620503E+02  0.9609991E+00  0.2588217E+11 Line 10( 73): nodal depth, y, M, V, p, EI
  0.4380000E+03 -0.4689667E-05  0.4077065E+03 -0.3009347E+02  0.1076188E+01  0.2588217E+11 Line 10( 74): nodal depth, y, M, V, p, EI
  0.4440000E+03 -0.4540163E-05  0.2464946E+03 -0.2367701E+02  0.1062632E+01  0.2588217E+11 Line 10( 75): nodal depth, y, M, V, p, EI
  0.4500000E+03 -0.4047806E-05  0.1234861E+03 -0.1759096E+02  0.9660523E+00  0.2588217E+11 Line 10( 76): nodal depth, y, M, V, p, EI
  0.4560000E+03 -0.3383689E-05  0.3522967E+02 -0.1222296E+02  0.8232806E+00  0.2588217E+11 Line 10( 77): nodal depth, y, M, V, p, EI
  0.4620000E+03 -0.2670571E-05 -0.2339599E+02 -0.7766250E+01  0.6622883E+00  0.2588217E+11 Line 10( 78): nodal depth, y, M, V, p, EI
  0.4680000E+03 -0.1989995E-05 -0.5817438E+02 -0.4270650E+01  0.5029115E+00  0.2588217E+11 Line 10( 79): nodal depth, y, M, V, p, EI
  0.4740000E+03 -0.1390335E-05 -0.7483583E+02 -0.1687951E+01  0.3579883E+00  0.2588217E+11 Line 10( 80): nodal depth, y, M, V, p, EI
  0.4800000E+03 -0.8947648E-06 -0.7859408E+02  0.9006630E-01  0.2346840E+00  0.2588217E+11 Line 10( 81): nodal depth, y, M, V, p, EI
  0.4860000E+03 -0.5085130E-06 -0.7388730E+02  0.1201630E+01  0.1358373E+00  0.2588217E+11 Line 10( 82): nodal depth, y, M, V, p, EI
  0.4920000E+03 -0.2250324E-06 -0.6427497E+02  0.1792772E+01  0.6121010E-01  0.2588217E+11 Line 10( 83): nodal depth, y, M, V, p, EI
  0.4980000E+03 -0.3095310E-07 -0.5244567E+02  0.2002117E+01  0.8571642E-02  0.2588217E+11 Line 10( 84): nodal depth, y, M, V, p, EI
  0.5040000E+03  0.9017851E-07 -0.4029685E+02  0.1951574E+01 -0.2541952E-01  0.2588217E+11 Line 10( 85): nodal depth, y, M, V, p, EI
  0.5100000E+03  0.1552605E-06 -0.2905472E+02  0.1741694E+01 -0.4454035E-01  0.2588217E+11 Line 10( 86): nodal depth, y, M, V, p, EI
  0.5160000E+03  0.1799297E-06 -0.1940998E+02  0.1450504E+01 -0.5252301E-01  0.2588217E+11 Line 10( 87): nodal depth, y, M, V, p, EI
  0.5220000E+03  0.1776012E-06 -0.1165202E+02  0.1134703E+01 -0.5274412E-01  0.2588217E+11 Line 10( 88): nodal depth, y, M, V, p, EI
  0.5280000E+03  0.1590656E-06 -0.5790418E+01  0.8323132E+00 -0.4805237E-01  0.2588217E+11 Line 10( 89): nodal depth, y, M, V, p, EI
  0.5340000E+03  0.1324761E-06 -0.1657493E+01  0.5660499E+00 -0.4070206E-01  0.2588217E+11 Line 10( 90): nodal depth, y, M, V, p, EI
  0.5400000E+03  0.1035812E-06  0.1010504E+01  0.3468586E+00 -0.3236171E-01  0.2588217E+11 Line 10( 91): nodal depth, y, M, V, p, EI
  0.5460000E+03  0.7609172E-07  0.2513268E+01  0.1772607E+00 -0.2417092E-01  0.2588217E+11 Line 10( 92): nodal depth, y, M, V, p, EI
  0.5520000E+03  0.5209803E-07  0.3145355E+01  0.5427747E-01 -0.1682350E-01  0.2588217E+11 Line 10( 93): nodal depth, y, M, V, p, EI
  0.5580000E+03  0.3247928E-07  0.3171139E+01 -0.2817442E-01 -0.1066047E-01  0.2588217E+11 Line 10( 94): nodal depth, y, M, V, p, EI
  0.5640000E+03  0.1727133E-07  0.2812485E+01 -0.7743919E-01 -0.5761124E-02  0.2588217E+11 Line 10( 95): nodal depth, y, M, V, p, EI
  0.5700000E+03  0.5975318E-08  0.2245845E+01 -0.1007985E+00 -0.2025313E-02  0.2588217E+11 Line 10( 96): nodal depth, y, M, V, p, EI
  0.5760000E+03 -0.2196908E-08  0.1605824E+01 -0.1046048E+00  0.7565396E-03  0.2588217E+11 Line 10( 97): nodal depth, y, M, V, p, EI
  0.5820000E+03 -0.8135562E-08  0.9927033E+00 -0.9379717E-01  0.2846011E-02  0.2588217E+11 Line 10( 98): nodal depth, y, M, V, p, EI
  0.5880000E+03 -0.1269345E-07  0.4818322E+00 -0.7172843E-01  0.4510236E-02  0.2588217E+11 Line 10( 99): nodal depth, y, M, V, p, EI
  0.5940000E+03 -0.1658114E-07  0.1332290E+00 -0.4024756E-01  0.5983388E-02  0.2588217E+11 Line 10(100): nodal depth, y, M, V, p, EI
  0.6000000E+03 -0.2028353E-07  0.0000000E+00  0.0000000E+00  0.7432464E-02  0.2588217E+11 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.2000000E+05  0.3448090E+00  0.7884424E+06  0.2000000E+05 -0.3899053E-02     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
  0.3000000E+05  0.2096989E+00 -0.1487059E+07  0.3000000E+05  0.4625929E-17     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
