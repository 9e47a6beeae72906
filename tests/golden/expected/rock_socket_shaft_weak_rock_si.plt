    3    2    0    0                                                            Line 1 : ICOM, IUNITS, KYL, KXX
    1                                                                           Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts for elastic section
  150            0.1000000E+04  0.3817035E+10                                   Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment Cap. (kN-m) for linear EI pile at top of section
  0.2544690E+08  0.2544690E+07  0.1000000E+02                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.5089380E+08  0.2544690E+07  0.2000000E+02                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.7634070E+08  0.2544690E+07  0.3000000E+02                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.1017876E+09  0.2544690E+07  0.4000000E+02                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.1272345E+09  0.2544690E+07  0.5000000E+02                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.1526814E+09  0.2544690E+07  0.6000000E+02                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.1781283E+09  0.2544690E+07  0.7000000E+02                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.2035752E+09  0.2544690E+07  0.8000000E+02                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.2290221E+09  0.2544690E+07  0.9000000E+02                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.2544690E+09  0.2544690E+07  0.1000000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.2799159E+09  0.2544690E+07  0.1100000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.3053628E+09  0.2544690E+07  0.1200000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.3308097E+09  0.2544690E+07  0.1300000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.3562566E+09  0.2544690E+07  0.1400000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.3817035E+09  0.2544690E+07  0.1500000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.4071504E+09  0.2544690E+07  0.1600000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.4325973E+09  0.2544690E+07  0.1700000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.4580442E+09  0.2544690E+07  0.1800000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.4834911E+09  0.2544690E+07  0.1900000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.5089380E+09  0.2544690E+07  0.2000000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.5343849E+09  0.2544690E+07  0.2100000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.5598318E+09  0.2544690E+07  0.2200000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.5852787E+09  0.2544690E+07  0.2300000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.6107256E+09  0.2544690E+07  0.2400000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.6361725E+09  0.2544690E+07  0.2500000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.6616194E+09  0.2544690E+07  0.2600000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.6870663E+09  0.2544690E+07  0.2700000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.7125132E+09  0.2544690E+07  0.2800000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.7379601E+09  0.2544690E+07  0.2900000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.7634070E+09  0.2544690E+07  0.3000000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.7888539E+09  0.2544690E+07  0.3100000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.8143008E+09  0.2544690E+07  0.3200000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.8397477E+09  0.2544690E+07  0.3300000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.8651946E+09  0.2544690E+07  0.3400000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.8906415E+09  0.2544690E+07  0.3500000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.9160884E+09  0.2544690E+07  0.3600000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.9415353E+09  0.2544690E+07  0.3700000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.9669822E+09  0.2544690E+07  0.3800000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.9924291E+09  0.2544690E+07  0.3900000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.1017876E+10  0.2544690E+07  0.4000000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.1043323E+10  0.2544690E+07  0.4100000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.1068770E+10  0.2544690E+07  0.4200000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.1094217E+10  0.2544690E+07  0.4300000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.1119664E+10  0.2544690E+07  0.4400000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.1145111E+10  0.2544690E+07  0.4500000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.1170557E+10  0.2544690E+07  0.4600000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.1196004E+10  0.2544690E+07  0.4700000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.1221451E+10  0.2544690E+07  0.4800000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.1246898E+10  0.2544690E+07  0.4900000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.1272345E+10  0.2544690E+07  0.5000000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.1297792E+10  0.2544690E+07  0.5100000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.1323239E+10  0.2544690E+07  0.5200000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.1348686E+10  0.2544690E+07  0.5300000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.1374133E+10  0.2544690E+07  0.5400000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.1399580E+10  0.2544690E+07  0.5500000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.1425026E+10  0.2544690E+07  0.5600000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.1450473E+10  0.2544690E+07  0.5700000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.1475920E+10  0.2544690E+07  0.5800000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.1501367E+10  0.2544690E+07  0.5900000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.1526814E+10  0.2544690E+07  0.6000000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.1552261E+10  0.2544690E+07  0.6100000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.1577708E+10  0.2544690E+07  0.6200000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.1603155E+10  0.2544690E+07  0.6300000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.1628602E+10  0.2544690E+07  0.6400000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.1654049E+10  0.2544690E+07  0.6500000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.1679495E+10  0.2544690E+07  0.6600000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.1704942E+10  0.2544690E+07  0.6700000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.1730389E+10  0.2544690E+07  0.6800000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.1755836E+10  0.2544690E+07  0.6900000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.1781283E+10  0.2544690E+07  0.7000000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.1806730E+10  0.2544690E+07  0.7100000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.1832177E+10  0.2544690E+07  0.7200000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.1857624E+10  0.2544690E+07  0.7300000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.1883071E+10  0.2544690E+07  0.7400000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.1908518E+10  0.2544690E+07  0.7500000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.1933964E+10  0.2544690E+07  0.7600000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.1959411E+10  0.2544690E+07  0.7700000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.1984858E+10  0.2544690E+07  0.7800000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.2010305E+10  0.2544690E+07  0.7900000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.2035752E+10  0.2544690E+07  0.8000000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.2061199E+10  0.2544690E+07  0.8100000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.2086646E+10  0.2544690E+07  0.8200000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.2112093E+10  0.2544690E+07  0.8300000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.2137540E+10  0.2544690E+07  0.8400000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.2162987E+10  0.2544690E+07  0.8500000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.2188433E+10  0.2544690E+07  0.8600000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.2213880E+10  0.2544690E+07  0.8700000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.2239327E+10  0.2544690E+07  0.8800000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.2264774E+10  0.2544690E+07  0.8900000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.2290221E+10  0.2544690E+07  0.9000000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.2315668E+10  0.2544690E+07  0.9100000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.2341115E+10  0.2544690E+07  0.9200000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.2366562E+10  0.2544690E+07  0.9300000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.2392009E+10  0.2544690E+07  0.9400000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.2417456E+10  0.2544690E+07  0.9500000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.2442902E+10  0.2544690E+07  0.9600000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.2468349E+10  0.2544690E+07  0.9700000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.2493796E+10  0.2544690E+07  0.9800000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.2519243E+10  0.2544690E+07  0.9900000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.2544690E+10  0.2544690E+07  0.1000000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.2570137E+10  0.2544690E+07  0.1010000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.2595584E+10  0.2544690E+07  0.1020000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.2621031E+10  0.2544690E+07  0.1030000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.2646478E+10  0.2544690E+07  0.1040000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.2671925E+10  0.2544690E+07  0.1050000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.2697371E+10  0.2544690E+07  0.1060000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.2722818E+10  0.2544690E+07  0.1070000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.2748265E+10  0.2544690E+07  0.1080000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.2773712E+10  0.2544690E+07  0.1090000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.2799159E+10  0.2544690E+07  0.1100000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.2824606E+10  0.2544690E+07  0.1110000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.2850053E+10  0.2544690E+07  0.1120000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.2875500E+10  0.2544690E+07  0.1130000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.2900947E+10  0.2544690E+07  0.1140000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.2926394E+10  0.2544690E+07  0.1150000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.2951840E+10  0.2544690E+07  0.1160000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.2977287E+10  0.2544690E+07  0.1170000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.3002734E+10  0.2544690E+07  0.1180000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.3028181E+10  0.2544690E+07  0.1190000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.3053628E+10  0.2544690E+07  0.1200000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.3079075E+10  0.2544690E+07  0.1210000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.3104522E+10  0.2544690E+07  0.1220000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.3129969E+10  0.2544690E+07  0.1230000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.3155416E+10  0.2544690E+07  0.1240000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.3180863E+10  0.2544690E+07  0.1250000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.3206309E+10  0.2544690E+07  0.1260000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.3231756E+10  0.2544690E+07  0.1270000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.3257203E+10  0.2544690E+07  0.1280000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.3282650E+10  0.2544690E+07  0.1290000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.3308097E+10  0.2544690E+07  0.1300000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.3333544E+10  0.2544690E+07  0.1310000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.3358991E+10  0.2544690E+07  0.1320000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.3384438E+10  0.2544690E+07  0.1330000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.3409885E+10  0.2544690E+07  0.1340000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.3435332E+10  0.2544690E+07  0.1350000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.3460778E+10  0.2544690E+07  0.1360000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=136
  0.3486225E+10  0.2544690E+07  0.1370000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=137
  0.3511672E+10  0.2544690E+07  0.1380000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=138
  0.3537119E+10  0.2544690E+07  0.1390000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=139
  0.3562566E+10  0.2544690E+07  0.1400000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=140
  0.3588013E+10  0.2544690E+07  0.1410000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=141
  0.3613460E+10  0.2544690E+07  0.1420000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=142
  0.3638907E+10  0.2544690E+07  0.1430000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=143
  0.3664354E+10  0.2544690E+07  0.1440000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=144
  0.3689801E+10  0.2544690E+07  0.1450000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=145
  0.3715247E+10  0.2544690E+07  0.1460000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=146
  0.3740694E+10  0.2544690E+07  0.1470000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=147
  0.3766141E+10  0.2544690E+07  0.1480000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=148
  0.3791588E+10  0.2544690E+07  0.1490000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=149
  0.3817035E+10  0.2544690E+07  0.1500000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=150
    4                                                                           Line 6 : number of output p-y curves
  0.1000000E+01   17                                                            Line 7:  p-y curve depth in sand, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for sand
  0.1477402E-02  0.2850284E+02                                                  Line 8(2): y, p, for sand
  0.3161275E-02  0.3400245E+02                                                  Line 8(3): y, p, for sand
  0.4845147E-02  0.3754231E+02                                                  Line 8(4): y, p, for sand
  0.6529020E-02  0.4023146E+02                                                  Line 8(5): y, p, for sand
  0.8212892E-02  0.4243043E+02                                                  Line 8(6): y, p, for sand
  0.9896765E-02  0.4430608E+02                                                  Line 8(7): y, p, for sand
  0.1158064E-01  0.4595050E+02                                                  Line 8(8): y, p, for sand
  0.1326451E-01  0.4742034E+02                                                  Line 8(9): y, p, for sand
  0.1494838E-01  0.4875315E+02                                                  Line 8(10): y, p, for sand
  0.1663225E-01  0.4997518E+02                                                  Line 8(11): y, p, for sand
  0.1831613E-01  0.5110558E+02                                                  Line 8(12): y, p, for sand
  0.2000000E-01  0.5215876E+02                                                  Line 8(13): y, p, for sand
  0.3250000E-01  0.5971959E+02                                                  Line 8(14): y, p, for sand
  0.4500000E-01  0.6728042E+02                                                  Line 8(15): y, p, for sand
  0.4612500E-01  0.6728042E+02                                                  Line 8(16): y, p, for sand
  0.4725000E-01  0.6728042E+02                                                  Line 8(17): y, p, for sand
  0.2500000E+01   17                                                            Line 7:  p-y curve depth in sand, no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for sand
  0.2726327E-02  0.1546096E+03                                                  Line 8(2): y, p, for sand
  0.4296661E-02  0.1698738E+03                                                  Line 8(3): y, p, for sand
  0.5866995E-02  0.1811873E+03                                                  Line 8(4): y, p, for sand
  0.7437329E-02  0.1903037E+03                                                  Line 8(5): y, p, for sand
  0.9007663E-02  0.1980008E+03                                                  Line 8(6): y, p, for sand
  0.1057800E-01  0.2046975E+03                                                  Line 8(7): y, p, for sand
  0.1214833E-01  0.2106468E+03                                                  Line 8(8): y, p, for sand
  0.1371866E-01  0.2160143E+03                                                  Line 8(9): y, p, for sand
  0.1528900E-01  0.2209147E+03                                                  Line 8(10): y, p, for sand
  0.1685933E-01  0.2254308E+03                                                  Line 8(11): y, p, for sand
  0.1842967E-01  0.2296247E+03                                                  Line 8(12): y, p, for sand
  0.2000000E-01  0.2335442E+03                                                  Line 8(13): y, p, for sand
  0.3250000E-01  0.2637563E+03                                                  Line 8(14): y, p, for sand
  0.4500000E-01  0.2939684E+03                                                  Line 8(15): y, p, for sand
  0.4612500E-01  0.2939684E+03                                                  Line 8(16): y, p, for sand
  0.4725000E-01  0.2939684E+03                                                  Line 8(17): y, p, for sand
  0.4000000E+01   17                                                            Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. 3
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for weak rock
  0.2542238E-04  0.1696164E+04                                                  Line 8(2): y, p, for weak rock
  0.1017139E-03  0.2398882E+04                                                  Line 8(3): y, p, for weak rock
  0.1780055E-03  0.2759129E+04                                                  Line 8(4): y, p, for weak rock
  0.2542970E-03  0.3016470E+04                                                  Line 8(5): y, p, for weak rock
  0.3305886E-03  0.3220963E+04                                                  Line 8(6): y, p, for weak rock
  0.4068801E-03  0.3392582E+04                                                  Line 8(7): y, p, for weak rock
  0.7883379E-03  0.4002597E+04                                                  Line 8(8): y, p, for weak rock
  0.1169796E-02  0.4417649E+04                                                  Line 8(9): y, p, for weak rock
  0.1551253E-02  0.4740612E+04                                                  Line 8(10): y, p, for weak rock
  0.1932711E-02  0.5008475E+04                                                  Line 8(11): y, p, for weak rock
  0.2314169E-02  0.5239170E+04                                                  Line 8(12): y, p, for weak rock
  0.2695627E-02  0.5442879E+04                                                  Line 8(13): y, p, for weak rock
  0.3077085E-02  0.5625985E+04                                                  Line 8(14): y, p, for weak rock
  0.3458542E-02  0.5792780E+04                                                  Line 8(15): y, p, for weak rock
  0.3840000E-02  0.5946296E+04                                                  Line 8(16): y, p, for weak rock
  0.4800000E-02  0.5946296E+04                                                  Line 8(17): y, p, for weak rock
  0.8000000E+01   17                                                            Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. 4
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for weak rock
  0.2377471E-04  0.4547728E+04                                                  Line 8(2): y, p, for weak rock
  0.1000992E-03  0.6514384E+04                                                  Line 8(3): y, p, for weak rock
  0.1764237E-03  0.7505937E+04                                                  Line 8(4): y, p, for weak rock
  0.2527482E-03  0.8211787E+04                                                  Line 8(5): y, p, for weak rock
  0.3290727E-03  0.8771798E+04                                                  Line 8(6): y, p, for weak rock
  0.4053972E-03  0.9241360E+04                                                  Line 8(7): y, p, for weak rock
  0.7870198E-03  0.1090843E+05                                                  Line 8(8): y, p, for weak rock
  0.1168642E-02  0.1204165E+05                                                  Line 8(9): y, p, for weak rock
  0.1550265E-02  0.1292311E+05                                                  Line 8(10): y, p, for weak rock
  0.1931887E-02  0.1365404E+05                                                  Line 8(11): y, p, for weak rock
  0.2313510E-02  0.1428346E+05                                                  Line 8(12): y, p, for weak rock
  0.2695132E-02  0.1483921E+05                                                  Line 8(13): y, p, for weak rock
  0.3076755E-02  0.1533871E+05                                                  Line 8(14): y, p, for weak rock
  0.3458377E-02  0.1579370E+05                                                  Line 8(15): y, p, for weak rock
  0.3840000E-02  0.1621244E+05                                                  Line 8(16): y, p, for weak rock
  0.4800000E-02  0.1621244E+05                                                  Line 8(17): y, p, for weak rock
    2  101    2                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.3604395E-02  0.2000000E+03  0.4000000E+03  0.0000000E+00  0.2544690E+07 Line 10(  1): nodal depth, y, M, V, p, EI
  0.1000000E+00  0.3459869E-02  0.2401445E+03  0.3999352E+03 -0.1296093E+01  0.2544690E+07 Line 10(  2): nodal depth, y, M, V, p, EI
  0.2000000E+00  0.3316286E-02  0.2802751E+03  0.3997210E+03 -0.2988806E+01  0.2544690E+07 Line 10(  3): nodal depth, y, M, V, p, EI
  0.3000000E+00  0.3173804E-02  0.3203748E+03  0.3993153E+03 -0.5124446E+01  0.2544690E+07 Line 10(  4): nodal depth, y, M, V, p, EI
  0.4000000E+00  0.3032582E-02  0.3604219E+03  0.3986716E+03 -0.7749974E+01  0.2544690E+07 Line 10(  5): nodal depth, y, M, V, p, EI
  0.5000000E+00  0.2892776E-02  0.4003901E+03  0.3977384E+03 -0.1091296E+02  0.2544690E+07 Line 10(  6): nodal depth, y, M, V, p, EI
  0.6000000E+00  0.2754544E-02  0.4402476E+03  0.3964597E+03 -0.1466151E+02  0.2544690E+07 Line 10(  7): nodal depth, y, M, V, p, EI
  0.7000000E+00  0.2618041E-02  0.4799568E+03  0.3948124E+03 -0.1828421E+02  0.2544690E+07 Line 10(  8): nodal depth, y, M, V, p, EI
  0.8000000E+00  0.2483425E-02  0.5194812E+03  0.3927849E+03 -0.2226628E+02  0.2544690E+07 Line 10(  9): nodal depth, y, M, V, p, EI
  0.9000000E+00  0.2350850E-02  0.5587810E+03  0.3903409E+03 -0.2661267E+02  0.2544690E+07 Line 10( 10): nodal depth, y, M, V, p, EI
  0.1000000E+01  0.2220471E-02  0.5978124E+03  0.3874440E+03 -0.3132644E+02  0.2544690E+07 Line 10( 11): nodal depth, y, M, V, p, EI
  0.1100000E+01  0.2092441E-02  0.6365282E+03  0.3840572E+03 -0.3640862E+02  0.2544690E+07 Line 10( 12): nodal depth, y, M, V, p, EI
  0.1200000E+01  0.1966912E-02  0.6748774E+03  0.3801439E+03 -0.4185792E+02  0.2544690E+07 Line 10( 13): nodal depth, y, M, V, p, EI
  0.1300000E+01  0.1844036E-02  0.7128054E+03  0.3757077E+03 -0.4686594E+02  0.2544690E+07 Line 10( 14): nodal depth, y, M, V, p, EI
  0.1400000E+01  0.1723961E-02  0.7502619E+03  0.3709324E+03 -0.4864024E+02  0.2544690E+07 Line 10( 15): nodal depth, y, M, V, p, EI
  0.1500000E+01  0.1606834E-02  0.7872290E+03  0.3660452E+03 -0.4910409E+02  0.2544690E+07 Line 10( 16): nodal depth, y, M, V, p, EI
  0.1600000E+01  0.1492801E-02  0.8237021E+03  0.3611304E+03 -0.4919074E+02  0.2544690E+07 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1700000E+01  0.1382004E-02  0.8596800E+03  0.3562253E+03 -0.4891219E+02  0.2544690E+07 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1800000E+01  0.1274586E-02  0.8951653E+03  0.3513656E+03 -0.4828240E+02  0.2544690E+07 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1900000E+01  0.1170686E-02  0.9301644E+03  0.3465856E+03 -0.4731737E+02  0.2544690E+07 Line 10( 20): nodal depth, y, M, V, p, EI
  0.2000000E+01  0.1070441E-02  0.9646866E+03  0.3419180E+03 -0.4603519E+02  0.2544690E+07 Line 10( 21): nodal depth, y, M, V, p, EI
  0.2100000E+01  0.9739876E-03  0.9987447E+03  0.3373934E+03 -0.4445612E+02  0.2544690E+07 Line 10( 22): nodal depth, y, M, V, p, EI
  0.2200000E+01  0.8814585E-03  0.1032354E+04  0.3330404E+03 -0.4260263E+02  0.2544690E+07 Line 10( 23): nodal depth, y, M, V, p, EI
  0.2300000E+01  0.7929863E-03  0.1065534E+04  0.3288853E+03 -0.4049950E+02  0.2544690E+07 Line 10( 24): nodal depth, y, M, V, p, EI
  0.2400000E+01  0.7087014E-03  0.1098304E+04  0.3249517E+03 -0.3817387E+02  0.2544690E+07 Line 10( 25): nodal depth, y, M, V, p, EI
  0.2500000E+01  0.6287326E-03  0.1130688E+04  0.3212602E+03 -0.3565534E+02  0.2544690E+07 Line 10( 26): nodal depth, y, M, V, p, EI
  0.2600000E+01  0.5532071E-03  0.1162712E+04  0.3178286E+03 -0.3297600E+02  0.2544690E+07 Line 10( 27): nodal depth, y, M, V, p, EI
  0.2700000E+01  0.4822508E-03  0.1194401E+04  0.3146713E+03 -0.3017055E+02  0.2544690E+07 Line 10( 28): nodal depth, y, M, V, p, EI
  0.2800000E+01  0.4159881E-03  0.1225783E+04  0.3117990E+03 -0.2727637E+02  0.2544690E+07 Line 10( 29): nodal depth, y, M, V, p, EI
  0.2900000E+01  0.3545425E-03  0.1256888E+04  0.3092185E+03 -0.2433360E+02  0.2544690E+07 Line 10( 30): nodal depth, y, M, V, p, EI
  0.3000000E+01  0.2980362E-03  0.1287745E+04  0.2383372E+03 -0.1393292E+04  0.2544690E+07 Line 10( 31): nodal depth, y, M, V, p, EI
  0.3100000E+01  0.2465903E-03  0.1304663E+04  0.9418143E+02 -0.1489824E+04  0.2544690E+07 Line 10( 32): nodal depth, y, M, V, p, EI
  0.3200000E+01  0.2002715E-03  0.1306679E+04 -0.5872484E+02 -0.1568302E+04  0.2544690E+07 Line 10( 33): nodal depth, y, M, V, p, EI
  0.3300000E+01  0.1590876E-03  0.1293006E+04 -0.2184920E+03 -0.1627041E+04  0.2544690E+07 Line 10( 34): nodal depth, y, M, V, p, EI
  0.3400000E+01  0.1229848E-03  0.1263058E+04 -0.3830425E+03 -0.1663969E+04  0.2544690E+07 Line 10( 35): nodal depth, y, M, V, p, EI
  0.3500000E+01  0.9184563E-04  0.1216465E+04 -0.5500587E+03 -0.1676354E+04  0.2544690E+07 Line 10( 36): nodal depth, y, M, V, p, EI
  0.3600000E+01  0.6548682E-04  0.1153103E+04 -0.7168892E+03 -0.1660256E+04  0.2544690E+07 Line 10( 37): nodal depth, y, M, V, p, EI
  0.3700000E+01  0.4365942E-04  0.1073135E+04 -0.8803632E+03 -0.1609226E+04  0.2544690E+07 Line 10( 38): nodal depth, y, M, V, p, EI
  0.3800000E+01  0.2604917E-04  0.9770703E+03 -0.1036359E+04 -0.1510688E+04  0.2544690E+07 Line 10( 39): nodal depth, y, M, V, p, EI
  0.3900000E+01  0.1227857E-04  0.8658947E+03 -0.1150571E+04 -0.7735496E+03  0.2544690E+07 Line 10( 40): nodal depth, y, M, V, p, EI
  0.4000000E+01  0.1910713E-05  0.7469802E+03 -0.1195635E+04 -0.1277347E+03  0.2544690E+07 Line 10( 41): nodal depth, y, M, V, p, EI
  0.4100000E+01 -0.5521692E-05  0.6267855E+03 -0.1182491E+04  0.3906086E+03  0.2544690E+07 Line 10( 42): nodal depth, y, M, V, p, EI
  0.4200000E+01 -0.1049099E-04  0.5104944E+03 -0.1123795E+04  0.7833270E+03  0.2544690E+07 Line 10( 43): nodal depth, y, M, V, p, EI
  0.4300000E+01 -0.1345416E-04  0.4020345E+03 -0.1031733E+04  0.1057896E+04  0.2544690E+07 Line 10( 44): nodal depth, y, M, V, p, EI
  0.4400000E+01 -0.1483745E-04  0.3041521E+03 -0.9175379E+03  0.1226013E+04  0.2544690E+07 Line 10( 45): nodal depth, y, M, V, p, EI
  0.4500000E+01 -0.1502549E-04  0.2185285E+03 -0.7911268E+03  0.1302209E+04  0.2544690E+07 Line 10( 46): nodal depth, y, M, V, p, EI
  0.4600000E+01 -0.1435476E-04  0.1459262E+03 -0.6608883E+03  0.1302562E+04  0.2544690E+07 Line 10( 47): nodal depth, y, M, V, p, EI
  0.4700000E+01 -0.1311059E-04  0.8634895E+02 -0.5335820E+03  0.1243563E+04  0.2544690E+07 Line 10( 48): nodal depth, y, M, V, p, EI
  0.4800000E+01 -0.1152708E-04  0.3920698E+02 -0.4143448E+03  0.1141181E+04  0.2544690E+07 Line 10( 49): nodal depth, y, M, V, p, EI
  0.4900000E+01 -0.9789500E-05  0.3476666E+01 -0.3067792E+03  0.1010131E+04  0.2544690E+07 Line 10( 50): nodal depth, y, M, V, p, EI
  0.5000000E+01 -0.8038258E-05 -0.2215235E+02 -0.2131042E+03  0.8633684E+03  0.2544690E+07 Line 10( 51): nodal depth, y, M, V, p, EI
  0.5100000E+01 -0.6374068E-05 -0.3914759E+02 -0.1343472E+03  0.7117709E+03  0.2544690E+07 Line 10( 52): nodal depth, y, M, V, p, EI
  0.5200000E+01 -0.4863719E-05 -0.4902497E+02 -0.7055812E+02  0.5640113E+03  0.2544690E+07 Line 10( 53): nodal depth, y, M, V, p, EI
  0.5300000E+01 -0.3546026E-05 -0.5326204E+02 -0.2102887E+02  0.4265738E+03  0.2544690E+07 Line 10( 54): nodal depth, y, M, V, p, EI
  0.5400000E+01 -0.2437639E-05 -0.5323317E+02  0.1549444E+02  0.3038924E+03  0.2544690E+07 Line 10( 55): nodal depth, y, M, V, p, EI
  0.5500000E+01 -0.1538446E-05 -0.5016516E+02  0.4061773E+02  0.1985735E+03  0.2544690E+07 Line 10( 56): nodal depth, y, M, V, p, EI
  0.5600000E+01 -0.8363889E-06 -0.4511122E+02  0.5613007E+02  0.1116734E+03  0.2544690E+07 Line 10( 57): nodal depth, y, M, V, p, EI
  0.5700000E+01 -0.3116080E-06 -0.3894037E+02  0.6386384E+02  0.4300190E+02  0.2544690E+07 Line 10( 58): nodal depth, y, M, V, p, EI
  0.5800000E+01  0.6014696E-07 -0.3233935E+02  0.6558533E+02 -0.8572055E+01  0.2544690E+07 Line 10( 59): nodal depth, y, M, V, p, EI
  0.5900000E+01  0.3048163E-06 -0.2582392E+02  0.6291520E+02 -0.4483057E+02  0.2544690E+07 Line 10( 60): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.4480040E-06 -0.1975670E+02  0.5727631E+02 -0.6794727E+02  0.2544690E+07 Line 10( 61): nodal depth, y, M, V, p, EI
  0.6100000E+01  0.5135527E-06 -0.1436887E+02  0.4986562E+02 -0.8026639E+02  0.2544690E+07 Line 10( 62): nodal depth, y, M, V, p, EI
  0.6200000E+01  0.5226354E-06 -0.9783650E+01  0.4164606E+02 -0.8412495E+02  0.2544690E+07 Line 10( 63): nodal depth, y, M, V, p, EI
  0.6300000E+01  0.4932708E-06 -0.6039640E+01  0.3335388E+02 -0.8171853E+02  0.2544690E+07 Line 10( 64): nodal depth, y, M, V, p, EI
  0.6400000E+01  0.4401719E-06 -0.3112791E+01  0.2551753E+02 -0.7500855E+02  0.2544690E+07 Line 10( 65): nodal depth, y, M, V, p, EI
  0.6500000E+01  0.3748405E-06 -0.9360150E+00  0.1848378E+02 -0.6566649E+02  0.2544690E+07 Line 10( 66): nodal depth, y, M, V, p, EI
  0.6600000E+01  0.3058307E-06  0.5840994E+00  0.1244798E+02 -0.5504953E+02  0.2544690E+07 Line 10( 67): nodal depth, y, M, V, p, EI
  0.6700000E+01  0.2391164E-06  0.1553716E+01  0.7533490E+01 -0.4324021E+02  0.2544690E+07 Line 10( 68): nodal depth, y, M, V, p, EI
  0.6800000E+01  0.1785077E-06  0.2090925E+01  0.3750034E+01 -0.3242891E+02  0.2544690E+07 Line 10( 69): nodal depth, y, M, V, p, EI
  0.6900000E+01  0.1261159E-06  0.2303836E+01  0.9777808E+00 -0.2301616E+02  0.2544690E+07 Line 10( 70): nodal depth, y, M, V, p, EI
  0.7000000E+01  0.8277761E-07  0.2286577E+01 -0.9318217E+00 -0.1517589E+02  0.2544690E+07 Line 10( 71): nodal depth, y, M, V, p, EI
  0.7100000E+01  0.4842497E-07  0.2117549E+01 -0.2136530E+01 -0.8918265E+01  0.2544690E+07 Line 10( 72): nodal depth, y, M, V, p, EI
  0.7200000E+01  0.2239377E-07  0.1859331E+01 -0.2789585E+01 -0.4142848E+01  0.2544690E+07 Line 10( 73): nodal depth, y, M, V, p, EI
  0.7300000E+01  0.3669283E-08  0.1559677E+01 -0.3030821E+01 -0.6818751E+00  0.2544690E+07 Line 10( 74): nodal depth, y, M, V, p, EI
  0.7400000E+01 -0.8926061E-08  0.1253198E+01 -0.2981605E+01  0.1666198E+01  0.2544690E+07 Line 10( 75): nodal depth, y, M, V, p, EI
  0.7500000E+01 -0.1659665E-07  0.9633762E+00 -0.2742702E+01  0.3111871E+01  0.2544690E+07 Line 10( 76): nodal depth, y, M, V, p, EI
  0.7600000E+01 -0.2048140E-07  0.7046692E+00 -0.2394242E+01  0.3857331E+01  0.2544690E+07 Line 10( 77): nodal depth, y, M, V, p, EI
  0.7700000E+01 -0.2159699E-07  0.4845328E+00 -0.1997104E+01  0.4085430E+01  0.2544690E+07 Line 10( 78): nodal depth, y, M, V, p, EI
  0.7800000E+01 -0.2080848E-07  0.3052488E+00 -0.1595152E+01  0.3953610E+01  0.2544690E+07 Line 10( 79): nodal depth, y, M, V, p, EI
  0.7900000E+01 -0.1882041E-07  0.1654997E+00 -0.1217893E+01  0.3591562E+01  0.2544690E+07 Line 10( 80): nodal depth, y, M, V, p, EI
  0.8000000E+01 -0.1618198E-07  0.6166562E-01 -0.8832376E+00  0.3101545E+01  0.2544690E+07 Line 10( 81): nodal depth, y, M, V, p, EI
  0.8100000E+01 -0.1330121E-07 -0.1115329E-01 -0.6001362E+00  0.2560483E+01  0.2544690E+07 Line 10( 82): nodal depth, y, M, V, p, EI
  0.8200000E+01 -0.1046427E-07 -0.5836734E-01 -0.3709574E+00  0.2023093E+01  0.2544690E+07 Line 10( 83): nodal depth, y, M, V, p, EI
  0.8300000E+01 -0.7856703E-08 -0.8535023E-01 -0.1935273E+00  0.1525510E+01  0.2544690E+07 Line 10( 84): nodal depth, y, M, V, p, EI
  0.8400000E+01 -0.5584540E-08 -0.9707768E-01 -0.6280255E-01  0.1088985E+01  0.2544690E+07 Line 10( 85): nodal depth, y, M, V, p, EI
  0.8500000E+01 -0.3693869E-08 -0.9791490E-01  0.2781584E-01  0.7233826E+00  0.2544690E+07 Line 10( 86): nodal depth, y, M, V, p, EI
  0.8600000E+01 -0.2187978E-08 -0.9151791E-01  0.8550009E-01  0.4303023E+00  0.2544690E+07 Line 10( 87): nodal depth, y, M, V, p, EI
  0.8700000E+01 -0.1041730E-08 -0.8081753E-01  0.1173023E+00  0.2057417E+00  0.2544690E+07 Line 10( 88): nodal depth, y, M, V, p, EI
  0.8800000E+01 -0.2130748E-09 -0.6805942E-01  0.1297024E+00  0.4225983E-01  0.2544690E+07 Line 10( 89): nodal depth, y, M, V, p, EI
  0.8900000E+01  0.3481237E-09 -0.5487845E-01  0.1283486E+00 -0.6933464E-01  0.2544690E+07 Line 10( 90): nodal depth, y, M, V, p, EI
  0.9000000E+01  0.6936635E-09 -0.4239061E-01  0.1179453E+00 -0.1387327E+00  0.2544690E+07 Line 10( 91): nodal depth, y, M, V, p, EI
  0.9100000E+01  0.8726188E-09 -0.3128992E-01  0.1022461E+00 -0.1752509E+00  0.2544690E+07 Line 10( 92): nodal depth, y, M, V, p, EI
  0.9200000E+01  0.9286124E-09 -0.2194163E-01  0.8412002E-01 -0.1872702E+00  0.2544690E+07 Line 10( 93): nodal depth, y, M, V, p, EI
  0.9300000E+01  0.8983809E-09 -0.1446595E-01  0.6566040E-01 -0.1819221E+00  0.2544690E+07 Line 10( 94): nodal depth, y, M, V, p, EI
  0.9400000E+01  0.8113018E-09 -0.8809430E-02  0.4831606E-01 -0.1649647E+00  0.2544690E+07 Line 10( 95): nodal depth, y, M, V, p, EI
  0.9500000E+01  0.6896038E-09 -0.4802525E-02  0.3302812E-01 -0.1407941E+00  0.2544690E+07 Line 10( 96): nodal depth, y, M, V, p, EI
  0.9600000E+01  0.5490331E-09 -0.2203543E-02  0.2036083E-01 -0.1125518E+00  0.2544690E+07 Line 10( 97): nodal depth, y, M, V, p, EI
  0.9700000E+01  0.3998030E-09 -0.7300698E-03  0.1061860E-01 -0.8229279E-01  0.2544690E+07 Line 10( 98): nodal depth, y, M, V, p, EI
  0.9800000E+01  0.2477039E-09 -0.7952181E-04  0.3944352E-02 -0.5119215E-01  0.2544690E+07 Line 10( 99): nodal depth, y, M, V, p, EI
  0.9900000E+01  0.9529237E-10  0.5910504E-04  0.3960861E-03 -0.1977317E-01  0.2544690E+07 Line 10(100): nodal depth, y, M, V, p, EI
  0.1000000E+02 -0.5688694E-10  0.0000000E+00  0.0000000E+00  0.1185144E-01  0.2544690E+07 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.7022664E-03 -0.7407659E+03  0.4000000E+03  0.0000000E+00  0.2544690E+07 Line 10(  1): nodal depth, y, M, V, p, EI
  0.1000000E+00  0.7008109E-03 -0.7007644E+03  0.3999606E+03 -0.7886685E+00  0.2544690E+07 Line 10(  2): nodal depth, y, M, V, p, EI
  0.2000000E+00  0.6966016E-03 -0.6607681E+03  0.3998264E+03 -0.1894237E+01  0.2544690E+07 Line 10(  3): nodal depth, y, M, V, p, EI
  0.3000000E+00  0.6897956E-03 -0.6207881E+03  0.3995634E+03 -0.3366140E+01  0.2544690E+07 Line 10(  4): nodal depth, y, M, V, p, EI
  0.4000000E+00  0.6805500E-03 -0.5808393E+03  0.3991493E+03 -0.4915957E+01  0.2544690E+07 Line 10(  5): nodal depth, y, M, V, p, EI
  0.5000000E+00  0.6690219E-03 -0.5409375E+03  0.3985981E+03 -0.6108086E+01  0.2544690E+07 Line 10(  6): nodal depth, y, M, V, p, EI
  0.6000000E+00  0.6553681E-03 -0.5010945E+03  0.3979297E+03 -0.7259868E+01  0.2544690E+07 Line 10(  7): nodal depth, y, M, V, p, EI
  0.7000000E+00  0.6397451E-03 -0.4613223E+03  0.3971487E+03 -0.8359597E+01  0.2544690E+07 Line 10(  8): nodal depth, y, M, V, p, EI
  0.8000000E+00  0.6223092E-03 -0.4216317E+03  0.3962609E+03 -0.9396269E+01  0.2544690E+07 Line 10(  9): nodal depth, y, M, V, p, EI
  0.9000000E+00  0.6032164E-03 -0.3820335E+03  0.3952731E+03 -0.1035964E+02  0.2544690E+07 Line 10( 10): nodal depth, y, M, V, p, EI
  0.1000000E+01  0.5826223E-03 -0.3425374E+03  0.3941931E+03 -0.1124026E+02  0.2544690E+07 Line 10( 11): nodal depth, y, M, V, p, EI
  0.1100000E+01  0.5606821E-03 -0.3031524E+03  0.3930296E+03 -0.1202957E+02  0.2544690E+07 Line 10( 12): nodal depth, y, M, V, p, EI
  0.1200000E+01  0.5375505E-03 -0.2638864E+03  0.3917922E+03 -0.1271990E+02  0.2544690E+07 Line 10( 13): nodal depth, y, M, V, p, EI
  0.1300000E+01  0.5133820E-03 -0.2247466E+03  0.3904910E+03 -0.1330455E+02  0.2544690E+07 Line 10( 14): nodal depth, y, M, V, p, EI
  0.1400000E+01  0.4883303E-03 -0.1857390E+03  0.3891368E+03 -0.1377787E+02  0.2544690E+07 Line 10( 15): nodal depth, y, M, V, p, EI
  0.1500000E+01  0.4625487E-03 -0.1468684E+03  0.3877412E+03 -0.1413527E+02  0.2544690E+07 Line 10( 16): nodal depth, y, M, V, p, EI
  0.1600000E+01  0.4361899E-03 -0.1081386E+03  0.3863157E+03 -0.1437332E+02  0.2544690E+07 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1700000E+01  0.4094062E-03 -0.6955215E+02  0.3848726E+03 -0.1448979E+02  0.2544690E+07 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1800000E+01  0.3823491E-03 -0.3111028E+02  0.3834239E+03 -0.1448370E+02  0.2544690E+07 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1900000E+01  0.3551698E-03  0.7186873E+01  0.3819820E+03 -0.1435543E+02  0.2544690E+07 Line 10( 20): nodal depth, y, M, V, p, EI
  0.2000000E+01  0.3280187E-03  0.4534044E+02  0.3805589E+03 -0.1410671E+02  0.2544690E+07 Line 10( 21): nodal depth, y, M, V, p, EI
  0.2100000E+01  0.3010458E-03  0.8335277E+02  0.3791665E+03 -0.1374076E+02  0.2544690E+07 Line 10( 22): nodal depth, y, M, V, p, EI
  0.2200000E+01  0.2744005E-03  0.1212274E+03  0.3778163E+03 -0.1326232E+02  0.2544690E+07 Line 10( 23): nodal depth, y, M, V, p, EI
  0.2300000E+01  0.2482315E-03  0.1589688E+03  0.3765193E+03 -0.1267771E+02  0.2544690E+07 Line 10( 24): nodal depth, y, M, V, p, EI
  0.2400000E+01  0.2226873E-03  0.1965829E+03  0.3752857E+03 -0.1199495E+02  0.2544690E+07 Line 10( 25): nodal depth, y, M, V, p, EI
  0.2500000E+01  0.1979156E-03  0.2340763E+03  0.3741248E+03 -0.1122376E+02  0.2544690E+07 Line 10( 26): nodal depth, y, M, V, p, EI
  0.2600000E+01  0.1740637E-03  0.2714565E+03  0.3730448E+03 -0.1037572E+02  0.2544690E+07 Line 10( 27): nodal depth, y, M, V, p, EI
  0.2700000E+01  0.1512786E-03  0.3087319E+03  0.3720528E+03 -0.9464284E+01  0.2544690E+07 Line 10( 28): nodal depth, y, M, V, p, EI
  0.2800000E+01  0.1297068E-03  0.3459114E+03  0.3711543E+03 -0.8504880E+01  0.2544690E+07 Line 10( 29): nodal depth, y, M, V, p, EI
  0.2900000E+01  0.1094942E-03  0.3830045E+03  0.3703533E+03 -0.7515006E+01  0.2544690E+07 Line 10( 30): nodal depth, y, M, V, p, EI
  0.3000000E+01  0.9078684E-04  0.4200210E+03  0.3182611E+03 -0.1034329E+04  0.2544690E+07 Line 10( 31): nodal depth, y, M, V, p, EI
  0.3100000E+01  0.7373001E-04  0.4466925E+03  0.2115066E+03 -0.1100760E+04  0.2544690E+07 Line 10( 32): nodal depth, y, M, V, p, EI
  0.3200000E+01  0.5842858E-04  0.4623547E+03  0.9889194E+02 -0.1151533E+04  0.2544690E+07 Line 10( 33): nodal depth, y, M, V, p, EI
  0.3300000E+01  0.4494409E-04  0.4664997E+03 -0.1793169E+02 -0.1184939E+04  0.2544690E+07 Line 10( 34): nodal depth, y, M, V, p, EI
  0.3400000E+01  0.3329282E-04  0.4587935E+03 -0.1371170E+03 -0.1198766E+04  0.2544690E+07 Line 10( 35): nodal depth, y, M, V, p, EI
  0.3500000E+01  0.2344450E-04  0.4390978E+03 -0.2532787E+03 -0.1124468E+04  0.2544690E+07 Line 10( 36): nodal depth, y, M, V, p, EI
  0.3600000E+01  0.1532172E-04  0.4081557E+03 -0.3490832E+03 -0.7916224E+03  0.2544690E+07 Line 10( 37): nodal depth, y, M, V, p, EI
  0.3700000E+01  0.8802899E-05  0.3692958E+03 -0.4130516E+03 -0.4877458E+03  0.2544690E+07 Line 10( 38): nodal depth, y, M, V, p, EI
  0.3800000E+01  0.3735315E-05  0.3255570E+03 -0.4484927E+03 -0.2210753E+03  0.2544690E+07 Line 10( 39): nodal depth, y, M, V, p, EI
  0.3900000E+01 -0.5291107E-07  0.2796061E+03 -0.4593798E+03  0.3333397E+01  0.2544690E+07 Line 10( 40): nodal depth, y, M, V, p, EI
  0.4000000E+01 -0.2742355E-05  0.2336875E+03 -0.4500465E+03  0.1833315E+03  0.2544690E+07 Line 10( 41): nodal depth, y, M, V, p, EI
  0.4100000E+01 -0.4513464E-05  0.1896013E+03 -0.4249157E+03  0.3192858E+03  0.2544690E+07 Line 10( 42): nodal depth, y, M, V, p, EI
  0.4200000E+01 -0.5539488E-05  0.1487072E+03 -0.3882706E+03  0.4136151E+03  0.2544690E+07 Line 10( 43): nodal depth, y, M, V, p, EI
  0.4300000E+01 -0.5981129E-05  0.1119486E+03 -0.3440752E+03  0.4702940E+03  0.2544690E+07 Line 10( 44): nodal depth, y, M, V, p, EI
  0.4400000E+01 -0.5982840E-05  0.7989258E+02 -0.2958425E+03  0.4943599E+03  0.2544690E+07 Line 10( 45): nodal depth, y, M, V, p, EI
  0.4500000E+01 -0.5670593E-05  0.5277982E+02 -0.2465519E+03  0.4914514E+03  0.2544690E+07 Line 10( 46): nodal depth, y, M, V, p, EI
  0.4600000E+01 -0.5150934E-05  0.3058137E+02 -0.1986094E+03  0.4673996E+03  0.2544690E+07 Line 10( 47): nodal depth, y, M, V, p, EI
  0.4700000E+01 -0.4511099E-05  0.1305679E+02 -0.1538451E+03  0.4278861E+03  0.2544690E+07 Line 10( 48): nodal depth, y, M, V, p, EI
  0.4800000E+01 -0.3819953E-05 -0.1889759E+00 -0.1135420E+03  0.3781753E+03  0.2544690E+07 Line 10( 49): nodal depth, y, M, V, p, EI
  0.4900000E+01 -0.3129550E-05 -0.9652990E+01 -0.7848708E+02  0.3229232E+03  0.2544690E+07 Line 10( 50): nodal depth, y, M, V, p, EI
  0.5000000E+01 -0.2477081E-05 -0.1588773E+02 -0.4903808E+02  0.2660568E+03  0.2544690E+07 Line 10( 51): nodal depth, y, M, V, p, EI
  0.5100000E+01 -0.1887046E-05 -0.1946185E+02 -0.2519923E+02  0.2107202E+03  0.2544690E+07 Line 10( 52): nodal depth, y, M, V, p, EI
  0.5200000E+01 -0.1373492E-05 -0.2092869E+02 -0.6699516E+01  0.1592742E+03  0.2544690E+07 Line 10( 53): nodal depth, y, M, V, p, EI
  0.5300000E+01 -0.9421823E-06 -0.2080270E+02  0.6931246E+01  0.1133410E+03  0.2544690E+07 Line 10( 54): nodal depth, y, M, V, p, EI
  0.5400000E+01 -0.5926221E-06 -0.1954322E+02  0.1629231E+02  0.7388022E+02  0.2544690E+07 Line 10( 55): nodal depth, y, M, V, p, EI
  0.5500000E+01 -0.3198619E-06 -0.1754486E+02  0.2205061E+02  0.4128588E+02  0.2544690E+07 Line 10( 56): nodal depth, y, M, V, p, EI
  0.5600000E+01 -0.1160486E-06 -0.1513357E+02  0.2488964E+02  0.1549464E+02  0.2544690E+07 Line 10( 57): nodal depth, y, M, V, p, EI
  0.5700000E+01  0.2829350E-07 -0.1256728E+02  0.2546915E+02 -0.3904502E+01  0.2544690E+07 Line 10( 58): nodal depth, y, M, V, p, EI
  0.5800000E+01  0.1232493E-06 -0.1003998E+02  0.2439566E+02 -0.1756531E+02  0.2544690E+07 Line 10( 59): nodal depth, y, M, V, p, EI
  0.5900000E+01  0.1787505E-06 -0.7688297E+01  0.2220291E+02 -0.2628957E+02  0.2544690E+07 Line 10( 60): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.2040386E-06 -0.5599479E+01  0.1934114E+02 -0.3094586E+02  0.2544690E+07 Line 10( 61): nodal depth, y, M, V, p, EI
  0.6100000E+01  0.2073222E-06 -0.3820097E+01  0.1617366E+02 -0.3240369E+02  0.2544690E+07 Line 10( 62): nodal depth, y, M, V, p, EI
  0.6200000E+01  0.1955937E-06 -0.2364738E+01  0.1297931E+02 -0.3148334E+02  0.2544690E+07 Line 10( 63): nodal depth, y, M, V, p, EI
  0.6300000E+01  0.1745723E-06 -0.1224202E+01  0.9959105E+01 -0.2892082E+02  0.2544690E+07 Line 10( 64): nodal depth, y, M, V, p, EI
  0.6400000E+01  0.1487402E-06 -0.3728698E+00  0.7245743E+01 -0.2534643E+02  0.2544690E+07 Line 10( 65): nodal depth, y, M, V, p, EI
  0.6500000E+01  0.1214428E-06  0.2249996E+00  0.4914672E+01 -0.2127498E+02  0.2544690E+07 Line 10( 66): nodal depth, y, M, V, p, EI
  0.6600000E+01  0.9502955E-07  0.6101184E+00  0.2995658E+01 -0.1710532E+02  0.2544690E+07 Line 10( 67): nodal depth, y, M, V, p, EI
  0.6700000E+01  0.7101393E-07  0.8241816E+00  0.1498307E+01 -0.1284169E+02  0.2544690E+07 Line 10( 68): nodal depth, y, M, V, p, EI
  0.6800000E+01  0.5023714E-07  0.9098247E+00  0.3999023E+00 -0.9126415E+01  0.2544690E+07 Line 10( 69): nodal depth, y, M, V, p, EI
  0.6900000E+01  0.3303574E-07  0.9042000E+00 -0.3578696E+00 -0.6029023E+01  0.2544690E+07 Line 10( 70): nodal depth, y, M, V, p, EI
  0.7000000E+01  0.1938762E-07  0.8382816E+00 -0.8370406E+00 -0.3554397E+01  0.2544690E+07 Line 10( 71): nodal depth, y, M, V, p, EI
  0.7100000E+01  0.9033740E-08  0.7368159E+00 -0.1097946E+01 -0.1663714E+01  0.2544690E+07 Line 10( 72): nodal depth, y, M, V, p, EI
  0.7200000E+01  0.1575361E-08  0.6187102E+00 -0.1195704E+01 -0.2914418E+00  0.2544690E+07 Line 10( 73): nodal depth, y, M, V, p, EI
  0.7300000E+01 -0.3451640E-08  0.4976876E+00 -0.1178205E+01  0.6414298E+00  0.2544690E+07 Line 10( 74): nodal depth, y, M, V, p, EI
  0.7400000E+01 -0.6522853E-08  0.3830774E+00 -0.1085253E+01  0.1217599E+01  0.2544690E+07 Line 10( 75): nodal depth, y, M, V, p, EI
  0.7500000E+01 -0.8088666E-08  0.2806416E+00 -0.9485419E+00  0.1516625E+01  0.2544690E+07 Line 10( 76): nodal depth, y, M, V, p, EI
  0.7600000E+01 -0.8551628E-08  0.1933710E+00 -0.7921828E+00  0.1610557E+01  0.2544690E+07 Line 10( 77): nodal depth, y, M, V, p, EI
  0.7700000E+01 -0.8254689E-08  0.1222052E+00 -0.6335794E+00  0.1561512E+01  0.2544690E+07 Line 10( 78): nodal depth, y, M, V, p, EI
  0.7800000E+01 -0.7477515E-08  0.6665407E-01 -0.4844674E+00  0.1420728E+01  0.2544690E+07 Line 10( 79): nodal depth, y, M, V, p, EI
  0.7900000E+01 -0.6438406E-08  0.2530993E-01 -0.3519979E+00  0.1228663E+01  0.2544690E+07 Line 10( 80): nodal depth, y, M, V, p, EI
  0.8000000E+01 -0.5299836E-08 -0.3747681E-02 -0.2397747E+00  0.1015802E+01  0.2544690E+07 Line 10( 81): nodal depth, y, M, V, p, EI
  0.8100000E+01 -0.4175993E-08 -0.2264726E-01 -0.1487906E+00  0.8038787E+00  0.2544690E+07 Line 10( 82): nodal depth, y, M, V, p, EI
  0.8200000E+01 -0.3141148E-08 -0.3350797E-01 -0.7823226E-01  0.6072887E+00  0.2544690E+07 Line 10( 83): nodal depth, y, M, V, p, EI
  0.8300000E+01 -0.2237982E-08 -0.3829565E-01 -0.2614076E-01  0.4345414E+00  0.2544690E+07 Line 10( 84): nodal depth, y, M, V, p, EI
  0.8400000E+01 -0.1485307E-08 -0.3873777E-01  0.1006806E-01  0.2896349E+00  0.2544690E+07 Line 10( 85): nodal depth, y, M, V, p, EI
  0.8500000E+01 -0.8848626E-09 -0.3628339E-01  0.3321408E-01  0.1732856E+00  0.2544690E+07 Line 10( 86): nodal depth, y, M, V, p, EI
  0.8600000E+01 -0.4270028E-09 -0.3209601E-01  0.4607722E-01  0.8397723E-01  0.2544690E+07 Line 10( 87): nodal depth, y, M, V, p, EI
  0.8700000E+01 -0.9527241E-10 -0.2706874E-01  0.5121690E-01  0.1881630E-01  0.2544690E+07 Line 10( 88): nodal depth, y, M, V, p, EI
  0.8800000E+01  0.1300846E-09 -0.2185319E-01  0.5086771E-01 -0.2580011E-01  0.2544690E+07 Line 10( 89): nodal depth, y, M, V, p, EI
  0.8900000E+01  0.2695640E-09 -0.1689556E-01  0.4689330E-01 -0.5368816E-01  0.2544690E+07 Line 10( 90): nodal depth, y, M, V, p, EI
  0.9000000E+01  0.3426480E-09 -0.1247474E-01  0.4078241E-01 -0.6852961E-01  0.2544690E+07 Line 10( 91): nodal depth, y, M, V, p, EI
  0.9100000E+01  0.3667094E-09 -0.8739176E-02  0.3367355E-01 -0.7364748E-01  0.2544690E+07 Line 10( 92): nodal depth, y, M, V, p, EI
  0.9200000E+01  0.3564280E-09 -0.5740048E-02  0.2639720E-01 -0.7187965E-01  0.2544690E+07 Line 10( 93): nodal depth, y, M, V, p, EI
  0.9300000E+01  0.3235897E-09 -0.3459694E-02  0.1952687E-01 -0.6552691E-01  0.2544690E+07 Line 10( 94): nodal depth, y, M, V, p, EI
  0.9400000E+01  0.2771556E-09 -0.1834595E-02  0.1343278E-01 -0.5635496E-01  0.2544690E+07 Line 10( 95): nodal depth, y, M, V, p, EI
  0.9500000E+01  0.2235120E-09 -0.7730384E-03  0.8333343E-02 -0.4563369E-01  0.2544690E+07 Line 10( 96): nodal depth, y, M, V, p, EI
  0.9600000E+01  0.1668305E-09 -0.1678159E-03  0.4341645E-02 -0.3420025E-01  0.2544690E+07 Line 10( 97): nodal depth, y, M, V, p, EI
  0.9700000E+01  0.1094896E-09  0.9540470E-04  0.1504803E-02 -0.2253661E-01  0.2544690E+07 Line 10( 98): nodal depth, y, M, V, p, EI
  0.9800000E+01  0.5252357E-10  0.1332589E-03 -0.1647713E-03 -0.1085487E-01  0.2544690E+07 Line 10( 99): nodal depth, y, M, V, p, EI
  0.9900000E+01 -0.3918766E-11  0.6256385E-04 -0.6668576E-03  0.8131440E-03  0.2544690E+07 Line 10(100): nodal depth, y, M, V, p, EI
  0.1000000E+02 -0.6011524E-10  0.0000000E+00  0.0000000E+00  0.1252401E-01  0.2544690E+07 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.4000000E+03  0.3604395E-02  0.1306679E+04 -0.1195635E+04 -0.1449195E-02     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
  0.4000000E+03  0.7022664E-03 -0.7407659E+03 -0.4593798E+03 -0.2168404E-17     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
