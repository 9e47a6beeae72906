    3    2    0    0                                                            Line 1 : ICOM, IUNITS, KYL, KXX
    1                                                                           Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts for elastic section
  150            0.1000000E+02  0.9605271E+07                                   Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment Cap. (kN-m) for linear EI pile at top of section
  0.6403514E+05  0.6403514E+04  0.1000000E+02                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.1280703E+06  0.6403514E+04  0.2000000E+02                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.1921054E+06  0.6403514E+04  0.3000000E+02                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.2561405E+06  0.6403514E+04  0.4000000E+02                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.3201757E+06  0.6403514E+04  0.5000000E+02                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.3842108E+06  0.6403514E+04  0.6000000E+02                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.4482460E+06  0.6403514E+04  0.7000000E+02                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.5122811E+06  0.6403514E+04  0.8000000E+02                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.5763162E+06  0.6403514E+04  0.9000000E+02                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.6403514E+06  0.6403514E+04  0.1000000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.7043865E+06  0.6403514E+04  0.1100000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.7684216E+06  0.6403514E+04  0.1200000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.8324568E+06  0.6403514E+04  0.1300000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.8964919E+06  0.6403514E+04  0.1400000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.9605271E+06  0.6403514E+04  0.1500000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.1024562E+07  0.6403514E+04  0.1600000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.1088597E+07  0.6403514E+04  0.1700000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.1152632E+07  0.6403514E+04  0.1800000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.1216668E+07  0.6403514E+04  0.1900000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.1280703E+07  0.6403514E+04  0.2000000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.1344738E+07  0.6403514E+04  0.2100000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.1408773E+07  0.6403514E+04  0.2200000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.1472808E+07  0.6403514E+04  0.2300000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.1536843E+07  0.6403514E+04  0.2400000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.1600878E+07  0.6403514E+04  0.2500000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.1664914E+07  0.6403514E+04  0.2600000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.1728949E+07  0.6403514E+04  0.2700000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.1792984E+07  0.6403514E+04  0.2800000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.1857019E+07  0.6403514E+04  0.2900000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.1921054E+07  0.6403514E+04  0.3000000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.1985089E+07  0.6403514E+04  0.3100000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.2049124E+07  0.6403514E+04  0.3200000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.2113160E+07  0.6403514E+04  0.3300000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.2177195E+07  0.6403514E+04  0.3400000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.2241230E+07  0.6403514E+04  0.3500000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.2305265E+07  0.6403514E+04  0.3600000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.2369300E+07  0.6403514E+04  0.3700000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.2433335E+07  0.6403514E+04  0.3800000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.2497370E+07  0.6403514E+04  0.3900000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.2561405E+07  0.6403514E+04  0.4000000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.2625441E+07  0.6403514E+04  0.4100000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.2689476E+07  0.6403514E+04  0.4200000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.2753511E+07  0.6403514E+04  0.4300000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.2817546E+07  0.6403514E+04  0.4400000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.2881581E+07  0.6403514E+04  0.4500000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.2945616E+07  0.6403514E+04  0.4600000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.3009651E+07  0.6403514E+04  0.4700000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.3073687E+07  0.6403514E+04  0.4800000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.3137722E+07  0.6403514E+04  0.4900000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.3201757E+07  0.6403514E+04  0.5000000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.3265792E+07  0.6403514E+04  0.5100000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.3329827E+07  0.6403514E+04  0.5200000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.3393862E+07  0.6403514E+04  0.5300000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.3457897E+07  0.6403514E+04  0.5400000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.3521933E+07  0.6403514E+04  0.5500000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.3585968E+07  0.6403514E+04  0.5600000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.3650003E+07  0.6403514E+04  0.5700000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.3714038E+07  0.6403514E+04  0.5800000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.3778073E+07  0.6403514E+04  0.5900000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.3842108E+07  0.6403514E+04  0.6000000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.3906143E+07  0.6403514E+04  0.6100000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.3970178E+07  0.6403514E+04  0.6200000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.4034214E+07  0.6403514E+04  0.6300000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.4098249E+07  0.6403514E+04  0.6400000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.4162284E+07  0.6403514E+04  0.6500000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.4226319E+07  0.6403514E+04  0.6600000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.4290354E+07  0.6403514E+04  0.6700000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.4354389E+07  0.6403514E+04  0.6800000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.4418424E+07  0.6403514E+04  0.6900000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.4482460E+07  0.6403514E+04  0.7000000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.4546495E+07  0.6403514E+04  0.7100000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.4610530E+07  0.6403514E+04  0.7200000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.4674565E+07  0.6403514E+04  0.7300000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.4738600E+07  0.6403514E+04  0.7400000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.4802635E+07  0.6403514E+04  0.7500000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.4866670E+07  0.6403514E+04  0.7600000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.4930706E+07  0.6403514E+04  0.7700000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.4994741E+07  0.6403514E+04  0.7800000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.5058776E+07  0.6403514E+04  0.7900000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.5122811E+07  0.6403514E+04  0.8000000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.5186846E+07  0.6403514E+04  0.8100000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.5250881E+07  0.6403514E+04  0.8200000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.5314916E+07  0.6403514E+04  0.8300000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.5378952E+07  0.6403514E+04  0.8400000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.5442987E+07  0.6403514E+04  0.8500000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.5507022E+07  0.6403514E+04  0.8600000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.5571057E+07  0.6403514E+04  0.8700000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.5635092E+07  0.6403514E+04  0.8800000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.5699127E+07  0.6403514E+04  0.8900000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.5763162E+07  0.6403514E+04  0.9000000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.5827197E+07  0.6403514E+04  0.9100000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.5891233E+07  0.6403514E+04  0.9200000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.5955268E+07  0.6403514E+04  0.9300000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.6019303E+07  0.6403514E+04  0.9400000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.6083338E+07  0.6403514E+04  0.9500000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.6147373E+07  0.6403514E+04  0.9600000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.6211408E+07  0.6403514E+04  0.9700000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.6275443E+07  0.6403514E+04  0.9800000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.6339479E+07  0.6403514E+04  0.9900000E+03                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.6403514E+07  0.6403514E+04  0.1000000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.6467549E+07  0.6403514E+04  0.1010000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.6531584E+07  0.6403514E+04  0.1020000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.6595619E+07  0.6403514E+04  0.1030000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.6659654E+07  0.6403514E+04  0.1040000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.6723689E+07  0.6403514E+04  0.1050000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.6787725E+07  0.6403514E+04  0.1060000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.6851760E+07  0.6403514E+04  0.1070000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.6915795E+07  0.6403514E+04  0.1080000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.6979830E+07  0.6403514E+04  0.1090000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.7043865E+07  0.6403514E+04  0.1100000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.7107900E+07  0.6403514E+04  0.1110000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.7171935E+07  0.6403514E+04  0.1120000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.7235970E+07  0.6403514E+04  0.1130000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.7300006E+07  0.6403514E+04  0.1140000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.7364041E+07  0.6403514E+04  0.1150000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.7428076E+07  0.6403514E+04  0.1160000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.7492111E+07  0.6403514E+04  0.1170000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.7556146E+07  0.6403514E+04  0.1180000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.7620181E+07  0.6403514E+04  0.1190000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.7684216E+07  0.6403514E+04  0.1200000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.7748252E+07  0.6403514E+04  0.1210000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.7812287E+07  0.6403514E+04  0.1220000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.7876322E+07  0.6403514E+04  0.1230000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.7940357E+07  0.6403514E+04  0.1240000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.8004392E+07  0.6403514E+04  0.1250000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.8068427E+07  0.6403514E+04  0.1260000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.8132462E+07  0.6403514E+04  0.1270000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.8196498E+07  0.6403514E+04  0.1280000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.8260533E+07  0.6403514E+04  0.1290000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.8324568E+07  0.6403514E+04  0.1300000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.8388603E+07  0.6403514E+04  0.1310000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.8452638E+07  0.6403514E+04  0.1320000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.8516673E+07  0.6403514E+04  0.1330000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.8580708E+07  0.6403514E+04  0.1340000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.8644744E+07  0.6403514E+04  0.1350000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.8708779E+07  0.6403514E+04  0.1360000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=136
  0.8772814E+07  0.6403514E+04  0.1370000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=137
  0.8836849E+07  0.6403514E+04  0.1380000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=138
  0.8900884E+07  0.6403514E+04  0.1390000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=139
  0.8964919E+07  0.6403514E+04  0.1400000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=140
  0.9028954E+07  0.6403514E+04  0.1410000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=141
  0.9092989E+07  0.6403514E+04  0.1420000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=142
  0.9157025E+07  0.6403514E+04  0.1430000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=143
  0.9221060E+07  0.6403514E+04  0.1440000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=144
  0.9285095E+07  0.6403514E+04  0.1450000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=145
  0.9349130E+07  0.6403514E+04  0.1460000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=146
  0.9413165E+07  0.6403514E+04  0.1470000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=147
  0.9477200E+07  0.6403514E+04  0.1480000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=148
  0.9541235E+07  0.6403514E+04  0.1490000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=149
  0.9605271E+07  0.6403514E+04  0.1500000E+04                                   Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=150
    2                                                                           Line 6 : number of output p-y curves
  0.1000000E+01   17                                                            Line 7:  p-y curve depth in user-input p-y curve, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                    Line 8( 1): y, p, for user-input p-y curve
  0.1000000E-02  0.8307693E+01                    Line 8( 2): y, p, for user-input p-y curve
  0.3750000E-02  0.3115385E+02                    Line 8( 3): y, p, for user-input p-y curve
  0.7500000E-02  0.5538462E+02                    Line 8( 4): y, p, for user-input p-y curve
  0.1125000E-01  0.7355769E+02                    Line 8( 5): y, p, for user-input p-y curve
  0.1500000E-01  0.8653846E+02                    Line 8( 6): y, p, for user-input p-y curve
  0.1875000E-01  0.9951923E+02                    Line 8( 7): y, p, for user-input p-y curve
  0.2250000E-01  0.1081731E+03                    Line 8( 8): y, p, for user-input p-y curve
  0.2625000E-01  0.1146635E+03                    Line 8( 9): y, p, for user-input p-y curve
  0.3000000E-01  0.1211538E+03                    Line 8(10): y, p, for user-input p-y curve
  0.3375000E-01  0.1276442E+03                    Line 8(11): y, p, for user-input p-y curve
  0.3750000E-01  0.1341346E+03                    Line 8(12): y, p, for user-input p-y curve
  0.4125000E-01  0.1393269E+03                    Line 8(13): y, p, for user-input p-y curve
  0.4500000E-01  0.1419231E+03                    Line 8(14): y, p, for user-input p-y curve
  0.1200000E+00  0.1661538E+03                    Line 8(15): y, p, for user-input p-y curve
  0.2250000E+00  0.1661538E+03                    Line 8(16): y, p, for user-input p-y curve
  0.3000000E+00  0.1661538E+03                    Line 8(17): y, p, for user-input p-y curve
  0.2200000E+01   17                                                            Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for elastic subgrade
  0.7500000E-01  0.1963636E+04                                                  Line 8(2): y, p, for elastic subgrade
  0.1500000E+00  0.3927273E+04                                                  Line 8(3): y, p, for elastic subgrade
  0.2250000E+00  0.5890909E+04                                                  Line 8(4): y, p, for elastic subgrade
  0.3000000E+00  0.7854545E+04                                                  Line 8(5): y, p, for elastic subgrade
  0.3750000E+00  0.9818182E+04                                                  Line 8(6): y, p, for elastic subgrade
  0.4500000E+00  0.1178182E+05                                                  Line 8(7): y, p, for elastic subgrade
  0.5250000E+00  0.1374545E+05                                                  Line 8(8): y, p, for elastic subgrade
  0.6000000E+00  0.1570909E+05                                                  Line 8(9): y, p, for elastic subgrade
  0.6750000E+00  0.1767273E+05                                                  Line 8(10): y, p, for elastic subgrade
  0.7500000E+00  0.1963636E+05                                                  Line 8(11): y, p, for elastic subgrade
  0.8250000E+00  0.2160000E+05                                                  Line 8(12): y, p, for elastic subgrade
  0.9000000E+00  0.2356364E+05                                                  Line 8(13): y, p, for elastic subgrade
  0.9750000E+00  0.2552727E+05                                                  Line 8(14): y, p, for elastic subgrade
  0.1050000E+01  0.2749091E+05                                                  Line 8(15): y, p, for elastic subgrade
  0.1125000E+01  0.2945455E+05                                                  Line 8(16): y, p, for elastic subgrade
  0.1200000E+01  0.3141818E+05                                                  Line 8(17): y, p, for elastic subgrade
    2  101    2                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.2667480E-02  0.4500000E+02  0.5000000E+01 -0.1333740E+03  0.6420507E+04 Line 10(  1): nodal depth, y, M, V, p, EI
  0.2500000E-01  0.2505148E-02  0.4508494E+02  0.1767107E+01 -0.1252574E+03  0.6420507E+04 Line 10(  2): nodal depth, y, M, V, p, EI
  0.5000000E-01  0.2347204E-02  0.4509156E+02 -0.1265612E+01 -0.1173602E+03  0.6420507E+04 Line 10(  3): nodal depth, y, M, V, p, EI
  0.7500000E-01  0.2193650E-02  0.4502478E+02 -0.4103646E+01 -0.1096825E+03  0.6454492E+04 Line 10(  4): nodal depth, y, M, V, p, EI
  0.1000000E+00  0.2044455E-02  0.4488940E+02 -0.6752462E+01 -0.1022228E+03  0.6471485E+04 Line 10(  5): nodal depth, y, M, V, p, EI
  0.1250000E+00  0.1899596E-02  0.4469010E+02 -0.9217494E+01 -0.9497980E+02  0.6488478E+04 Line 10(  6): nodal depth, y, M, V, p, EI
  0.1500000E+00  0.1759042E-02  0.4443138E+02 -0.1150414E+02 -0.8795208E+02  0.6505470E+04 Line 10(  7): nodal depth, y, M, V, p, EI
  0.1750000E+00  0.1622756E-02  0.4411766E+02 -0.1361777E+02 -0.8113779E+02  0.6522463E+04 Line 10(  8): nodal depth, y, M, V, p, EI
  0.2000000E+00  0.1490698E-02  0.4375318E+02 -0.1556367E+02 -0.7453488E+02  0.6539456E+04 Line 10(  9): nodal depth, y, M, V, p, EI
  0.2250000E+00  0.1362821E-02  0.4334207E+02 -0.1734712E+02 -0.6814104E+02  0.6556449E+04 Line 10( 10): nodal depth, y, M, V, p, EI
  0.2500000E+00  0.1239076E-02  0.4288834E+02 -0.1897331E+02 -0.6195379E+02  0.6573442E+04 Line 10( 11): nodal depth, y, M, V, p, EI
  0.2750000E+00  0.1119409E-02  0.4239584E+02 -0.2044736E+02 -0.5597043E+02  0.6590434E+04 Line 10( 12): nodal depth, y, M, V, p, EI
  0.3000000E+00  0.1003762E-02  0.4186832E+02 -0.2177434E+02 -0.5018810E+02  0.6607427E+04 Line 10( 13): nodal depth, y, M, V, p, EI
  0.3250000E+00  0.8920757E-03  0.4130940E+02 -0.2295924E+02 -0.4460378E+02  0.6624420E+04 Line 10( 14): nodal depth, y, M, V, p, EI
  0.3500000E+00  0.7842868E-03  0.4072256E+02 -0.2400697E+02 -0.3921434E+02  0.6641413E+04 Line 10( 15): nodal depth, y, M, V, p, EI
  0.3750000E+00  0.6803302E-03  0.4011117E+02 -0.2492235E+02 -0.3401651E+02  0.6658406E+04 Line 10( 16): nodal depth, y, M, V, p, EI
  0.4000000E+00  0.5801387E-03  0.3947848E+02 -0.2571015E+02 -0.2900694E+02  0.6675398E+04 Line 10( 17): nodal depth, y, M, V, p, EI
  0.4250000E+00  0.4836435E-03  0.3882763E+02 -0.2637501E+02 -0.2418218E+02  0.6692391E+04 Line 10( 18): nodal depth, y, M, V, p, EI
  0.4500000E+00  0.3907744E-03  0.3816162E+02 -0.2692152E+02 -0.1953872E+02  0.6709384E+04 Line 10( 19): nodal depth, y, M, V, p, EI
  0.4750000E+00  0.3014601E-03  0.3748337E+02 -0.2735417E+02 -0.1507301E+02  0.6726377E+04 Line 10( 20): nodal depth, y, M, V, p, EI
  0.5000000E+00  0.2156287E-03  0.3679567E+02 -0.2755875E+02 -0.1293772E+01  0.6743370E+04 Line 10( 21): nodal depth, y, M, V, p, EI
  0.5250000E+00  0.1332077E-03  0.3610712E+02 -0.2758511E+02 -0.8146163E+00  0.6760362E+04 Line 10( 22): nodal depth, y, M, V, p, EI
  0.5500000E+00  0.5412480E-04  0.3541803E+02 -0.2759951E+02 -0.3372391E+00  0.6777355E+04 Line 10( 23): nodal depth, y, M, V, p, EI
  0.5750000E+00 -0.2169190E-04  0.3472869E+02 -0.2760200E+02  0.1376601E+00  0.6794348E+04 Line 10( 24): nodal depth, y, M, V, p, EI
  0.6000000E+00 -0.9431396E-04  0.3403941E+02 -0.2759266E+02  0.6094133E+00  0.6811341E+04 Line 10( 25): nodal depth, y, M, V, p, EI
  0.6250000E+00 -0.1638126E-03  0.3335048E+02 -0.2757158E+02  0.1077383E+01  0.6828334E+04 Line 10( 26): nodal depth, y, M, V, p, EI
  0.6500000E+00 -0.2302587E-03  0.3266219E+02 -0.2753885E+02  0.1540962E+01  0.6845326E+04 Line 10( 27): nodal depth, y, M, V, p, EI
  0.6750000E+00 -0.2937226E-03  0.3197484E+02 -0.2749459E+02  0.1999573E+01  0.6862319E+04 Line 10( 28): nodal depth, y, M, V, p, EI
  0.7000000E+00 -0.3542743E-03  0.3128870E+02 -0.2743894E+02  0.2452668E+01  0.6879312E+04 Line 10( 29): nodal depth, y, M, V, p, EI
  0.7250000E+00 -0.4119834E-03  0.3060407E+02 -0.2737203E+02  0.2899729E+01  0.6896305E+04 Line 10( 30): nodal depth, y, M, V, p, EI
  0.7500000E+00 -0.4669189E-03  0.2992123E+02 -0.2729403E+02  0.3340266E+01  0.6913298E+04 Line 10( 31): nodal depth, y, M, V, p, EI
  0.7750000E+00 -0.5191493E-03  0.2924044E+02 -0.2720511E+02  0.3773816E+01  0.6930290E+04 Line 10( 32): nodal depth, y, M, V, p, EI
  0.8000000E+00 -0.5687428E-03  0.2856199E+02 -0.2710544E+02  0.4199947E+01  0.6947283E+04 Line 10( 33): nodal depth, y, M, V, p, EI
  0.8250000E+00 -0.6157667E-03  0.2788614E+02 -0.2699521E+02  0.4618250E+01  0.6964276E+04 Line 10( 34): nodal depth, y, M, V, p, EI
  0.8500000E+00 -0.6602880E-03  0.2721314E+02 -0.2687463E+02  0.5028347E+01  0.6981269E+04 Line 10( 35): nodal depth, y, M, V, p, EI
  0.8750000E+00 -0.7023730E-03  0.2654327E+02 -0.2674390E+02  0.5429884E+01  0.6998262E+04 Line 10( 36): nodal depth, y, M, V, p, EI
  0.9000000E+00 -0.7420875E-03  0.2587677E+02 -0.2660324E+02  0.5822533E+01  0.7015254E+04 Line 10( 37): nodal depth, y, M, V, p, EI
  0.9250000E+00 -0.7794967E-03  0.2521388E+02 -0.2645289E+02  0.6205993E+01  0.7032247E+04 Line 10( 38): nodal depth, y, M, V, p, EI
  0.9500000E+00 -0.8146649E-03  0.2455485E+02 -0.2629306E+02  0.6579985E+01  0.7049240E+04 Line 10( 39): nodal depth, y, M, V, p, EI
  0.9750000E+00 -0.8476560E-03  0.2389991E+02 -0.2612401E+02  0.6944258E+01  0.7066233E+04 Line 10( 40): nodal depth, y, M, V, p, EI
  0.1000000E+01 -0.8785332E-03  0.2324929E+02 -0.2594597E+02  0.7298583E+01  0.7083226E+04 Line 10( 41): nodal depth, y, M, V, p, EI
  0.1025000E+01 -0.9073589E-03  0.2260321E+02 -0.2575921E+02  0.7642754E+01  0.7100218E+04 Line 10( 42): nodal depth, y, M, V, p, EI
  0.1050000E+01 -0.9341950E-03  0.2196188E+02 -0.2556396E+02  0.7976588E+01  0.7117211E+04 Line 10( 43): nodal depth, y, M, V, p, EI
  0.1075000E+01 -0.9591025E-03  0.2132553E+02 -0.2536051E+02  0.8299926E+01  0.7134204E+04 Line 10( 44): nodal depth, y, M, V, p, EI
  0.1100000E+01 -0.9821418E-03  0.2069434E+02 -0.2514910E+02  0.8612628E+01  0.7151197E+04 Line 10( 45): nodal depth, y, M, V, p, EI
  0.1125000E+01 -0.1003372E-02  0.2006851E+02 -0.2493001E+02  0.8914578E+01  0.7168190E+04 Line 10( 46): nodal depth, y, M, V, p, EI
  0.1150000E+01 -0.1022853E-02  0.1944824E+02 -0.2470351E+02  0.9205679E+01  0.7185182E+04 Line 10( 47): nodal depth, y, M, V, p, EI
  0.1175000E+01 -0.1040642E-02  0.1883371E+02 -0.2446986E+02  0.9485855E+01  0.7202175E+04 Line 10( 48): nodal depth, y, M, V, p, EI
  0.1200000E+01 -0.1056797E-02  0.1822509E+02 -0.2422935E+02  0.9755050E+01  0.7219168E+04 Line 10( 49): nodal depth, y, M, V, p, EI
  0.1225000E+01 -0.1071374E-02  0.1762255E+02 -0.2398225E+02  0.1001323E+02  0.7236161E+04 Line 10( 50): nodal depth, y, M, V, p, EI
  0.1250000E+01 -0.1084429E-02  0.1702625E+02 -0.2372883E+02  0.1026037E+02  0.7253154E+04 Line 10( 51): nodal depth, y, M, V, p, EI
  0.1275000E+01 -0.1096017E-02  0.1643636E+02 -0.2346937E+02  0.1049647E+02  0.7270146E+04 Line 10( 52): nodal depth, y, M, V, p, EI
  0.1300000E+01 -0.1106191E-02  0.1585300E+02 -0.2320414E+02  0.1072155E+02  0.7287139E+04 Line 10( 53): nodal depth, y, M, V, p, EI
  0.1325000E+01 -0.1115006E-02  0.1527634E+02 -0.2293343E+02  0.1093564E+02  0.7304132E+04 Line 10( 54): nodal depth, y, M, V, p, EI
  0.1350000E+01 -0.1122514E-02  0.1470649E+02 -0.2265750E+02  0.1113879E+02  0.7321125E+04 Line 10( 55): nodal depth, y, M, V, p, EI
  0.1375000E+01 -0.1128766E-02  0.1414360E+02 -0.2237662E+02  0.1133108E+02  0.7338117E+04 Line 10( 56): nodal depth, y, M, V, p, EI
  0.1400000E+01 -0.1133814E-02  0.1358778E+02 -0.2209108E+02  0.1151257E+02  0.7355110E+04 Line 10( 57): nodal depth, y, M, V, p, EI
  0.1425000E+01 -0.1137707E-02  0.1303914E+02 -0.2180113E+02  0.1168338E+02  0.7372103E+04 Line 10( 58): nodal depth, y, M, V, p, EI
  0.1450000E+01 -0.1140495E-02  0.1249779E+02 -0.2150704E+02  0.1184360E+02  0.7389096E+04 Line 10( 59): nodal depth, y, M, V, p, EI
  0.1475000E+01 -0.1142225E-02  0.1196383E+02 -0.2120908E+02  0.1199337E+02  0.7406089E+04 Line 10( 60): nodal depth, y, M, V, p, EI
  0.1500000E+01 -0.1142946E-02  0.1143736E+02 -0.2090750E+02  0.1213282E+02  0.7423081E+04 Line 10( 61): nodal depth, y, M, V, p, EI
  0.1525000E+01 -0.1142704E-02  0.1091846E+02 -0.2060257E+02  0.1226210E+02  0.7440074E+04 Line 10( 62): nodal depth, y, M, V, p, EI
  0.1550000E+01 -0.1141545E-02  0.1040722E+02 -0.2029452E+02  0.1238137E+02  0.7457067E+04 Line 10( 63): nodal depth, y, M, V, p, EI
  0.1575000E+01 -0.1139514E-02  0.9903701E+01 -0.1998362E+02  0.1249082E+02  0.7474060E+04 Line 10( 64): nodal depth, y, M, V, p, EI
  0.1600000E+01 -0.1136654E-02  0.9407985E+01 -0.1967010E+02  0.1259063E+02  0.7491053E+04 Line 10( 65): nodal depth, y, M, V, p, EI
  0.1625000E+01 -0.1133009E-02  0.8920131E+01 -0.1935421E+02  0.1268099E+02  0.7508045E+04 Line 10( 66): nodal depth, y, M, V, p, EI
  0.1650000E+01 -0.1128622E-02  0.8440195E+01 -0.1903617E+02  0.1276211E+02  0.7525038E+04 Line 10( 67): nodal depth, y, M, V, p, EI
  0.1675000E+01 -0.1123534E-02  0.7968228E+01 -0.1871621E+02  0.1283421E+02  0.7542031E+04 Line 10( 68): nodal depth, y, M, V, p, EI
  0.1700000E+01 -0.1117785E-02  0.7504276E+01 -0.1839457E+02  0.1289752E+02  0.7559024E+04 Line 10( 69): nodal depth, y, M, V, p, EI
  0.1725000E+01 -0.1111416E-02  0.7048378E+01 -0.1807144E+02  0.1295227E+02  0.7576017E+04 Line 10( 70): nodal depth, y, M, V, p, EI
  0.1750000E+01 -0.1104466E-02  0.6600570E+01 -0.1774706E+02  0.1299871E+02  0.7593009E+04 Line 10( 71): nodal depth, y, M, V, p, EI
  0.1775000E+01 -0.1096972E-02  0.6160881E+01 -0.1742161E+02  0.1303709E+02  0.7610002E+04 Line 10( 72): nodal depth, y, M, V, p, EI
  0.1800000E+01 -0.1088972E-02  0.5729335E+01 -0.1693195E+02  0.2613534E+02  0.7626995E+04 Line 10( 73): nodal depth, y, M, V, p, EI
  0.1825000E+01 -0.1080503E-02  0.5314118E+01 -0.1627927E+02  0.2607941E+02  0.7643988E+04 Line 10( 74): nodal depth, y, M, V, p, EI
  0.1850000E+01 -0.1071599E-02  0.4915197E+01 -0.1562814E+02  0.2601064E+02  0.7660981E+04 Line 10( 75): nodal depth, y, M, V, p, EI
  0.1875000E+01 -0.1062295E-02  0.4532529E+01 -0.1497889E+02  0.2592964E+02  0.7677973E+04 Line 10( 76): nodal depth, y, M, V, p, EI
  0.1900000E+01 -0.1052621E-02  0.4166063E+01 -0.1433181E+02  0.2583706E+02  0.7694966E+04 Line 10( 77): nodal depth, y, M, V, p, EI
  0.1925000E+01 -0.1042609E-02  0.3815742E+01 -0.1368718E+02  0.2573348E+02  0.7711959E+04 Line 10( 78): nodal depth, y, M, V, p, EI
  0.1950000E+01 -0.1032287E-02  0.3481501E+01 -0.1304526E+02  0.2561950E+02  0.7728952E+04 Line 10( 79): nodal depth, y, M, V, p, EI
  0.1975000E+01 -0.1021685E-02  0.3163269E+01 -0.1240632E+02  0.2549568E+02  0.7745945E+04 Line 10( 80): nodal depth, y, M, V, p, EI
  0.2000000E+01 -0.1010827E-02  0.2860970E+01 -0.1177060E+02  0.2536256E+02  0.7762937E+04 Line 10( 81): nodal depth, y, M, V, p, EI
  0.2025000E+01 -0.9997381E-03  0.2574520E+01 -0.1113831E+02  0.2522067E+02  0.7779930E+04 Line 10( 82): nodal depth, y, M, V, p, EI
  0.2050000E+01 -0.9884429E-03  0.2303831E+01 -0.1050967E+02  0.2507051E+02  0.7796923E+04 Line 10( 83): nodal depth, y, M, V, p, EI
  0.2075000E+01 -0.9769630E-03  0.2048809E+01 -0.9884878E+01  0.2491256E+02  0.7813916E+04 Line 10( 84): nodal depth, y, M, V, p, EI
  0.2100000E+01 -0.9653192E-03  0.1809356E+01 -0.9264130E+01  0.2474727E+02  0.7830909E+04 Line 10( 85): nodal depth, y, M, V, p, EI
  0.2125000E+01 -0.9535310E-03  0.1585368E+01 -0.8647600E+01  0.2457509E+02  0.7847901E+04 Line 10( 86): nodal depth, y, M, V, p, EI
  0.2150000E+01 -0.9416165E-03  0.1376739E+01 -0.8035456E+01  0.2439643E+02  0.7864894E+04 Line 10( 87): nodal depth, y, M, V, p, EI
  0.2175000E+01 -0.9295926E-03  0.1183356E+01 -0.7427855E+01  0.2421166E+02  0.7881887E+04 Line 10( 88): nodal depth, y, M, V, p, EI
  0.2200000E+01 -0.9174749E-03  0.1005105E+01 -0.6824945E+01  0.2402116E+02  0.7898880E+04 Line 10( 89): nodal depth, y, M, V, p, EI
  0.2225000E+01 -0.9052777E-03  0.8418658E+00 -0.6226865E+01  0.2382526E+02  0.7915873E+04 Line 10( 90): nodal depth, y, M, V, p, EI
  0.2250000E+01 -0.8930140E-03  0.6935169E+00 -0.5633745E+01  0.2362428E+02  0.7932865E+04 Line 10( 91): nodal depth, y, M, V, p, EI
  0.2275000E+01 -0.8806957E-03  0.5599327E+00 -0.5045711E+01  0.2341850E+02  0.7949858E+04 Line 10( 92): nodal depth, y, M, V, p, EI
  0.2300000E+01 -0.8683333E-03  0.4409846E+00 -0.4462877E+01  0.2320818E+02  0.7966851E+04 Line 10( 93): nodal depth, y, M, V, p, EI
  0.2325000E+01 -0.8559363E-03  0.3365413E+00 -0.3885355E+01  0.2299356E+02  0.7983844E+04 Line 10( 94): nodal depth, y, M, V, p, EI
  0.2350000E+01 -0.8435130E-03  0.2464686E+00 -0.3313250E+01  0.2277485E+02  0.8000837E+04 Line 10( 95): nodal depth, y, M, V, p, EI
  0.2375000E+01 -0.8310705E-03  0.1706301E+00 -0.2746662E+01  0.2255223E+02  0.8017829E+04 Line 10( 96): nodal depth, y, M, V, p, EI
  0.2400000E+01 -0.8186146E-03  0.1088866E+00 -0.2185685E+01  0.2232585E+02  0.8034822E+04 Line 10( 97): nodal depth, y, M, V, p, EI
  0.2425000E+01 -0.8061503E-03  0.6109662E-01 -0.1630414E+01  0.2209585E+02  0.8051815E+04 Line 10( 98): nodal depth, y, M, V, p, EI
  0.2450000E+01 -0.7936812E-03  0.2711652E-01 -0.1080937E+01  0.2186231E+02  0.8068808E+04 Line 10( 99): nodal depth, y, M, V, p, EI
  0.2475000E+01 -0.7812101E-03  0.6800354E-02 -0.5373419E+00  0.2162532E+02  0.8085801E+04 Line 10(100): nodal depth, y, M, V, p, EI
  0.2500000E+01 -0.7687384E-03  0.0000000E+00  0.0000000E+00  0.2138490E+02  0.8102793E+04 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.1000000E-01  0.0000000E+00  0.1820713E+03 -0.5000000E+03  0.6420507E+04 Line 10(  1): nodal depth, y, M, V, p, EI
  0.2500000E-01  0.9757955E-02  0.4397954E+01  0.1697226E+03 -0.4878978E+03  0.6420507E+04 Line 10(  2): nodal depth, y, M, V, p, EI
  0.5000000E-01  0.9516338E-02  0.8490967E+01  0.1576762E+03 -0.4758169E+03  0.6420507E+04 Line 10(  3): nodal depth, y, M, V, p, EI
  0.7500000E-01  0.9275548E-02  0.1228659E+02  0.1459312E+03 -0.4637774E+03  0.6454492E+04 Line 10(  4): nodal depth, y, M, V, p, EI
  0.1000000E+00  0.9035948E-02  0.1579233E+02  0.1344866E+03 -0.4517974E+03  0.6471485E+04 Line 10(  5): nodal depth, y, M, V, p, EI
  0.1250000E+00  0.8797873E-02  0.1901569E+02  0.1233404E+03 -0.4398936E+03  0.6488478E+04 Line 10(  6): nodal depth, y, M, V, p, EI
  0.1500000E+00  0.8561629E-02  0.2196410E+02  0.1124907E+03 -0.4280815E+03  0.6505470E+04 Line 10(  7): nodal depth, y, M, V, p, EI
  0.1750000E+00  0.8327496E-02  0.2464493E+02  0.1019350E+03 -0.4163748E+03  0.6522463E+04 Line 10(  8): nodal depth, y, M, V, p, EI
  0.2000000E+00  0.8095724E-02  0.2706551E+02  0.9167052E+02 -0.4047862E+03  0.6539456E+04 Line 10(  9): nodal depth, y, M, V, p, EI
  0.2250000E+00  0.7866539E-02  0.2923307E+02  0.8169411E+02 -0.3933269E+03  0.6556449E+04 Line 10( 10): nodal depth, y, M, V, p, EI
  0.2500000E+00  0.7640140E-02  0.3115477E+02  0.7200243E+02 -0.3820070E+03  0.6573442E+04 Line 10( 11): nodal depth, y, M, V, p, EI
  0.2750000E+00  0.7416704E-02  0.3283769E+02  0.6259191E+02 -0.3708352E+03  0.6590434E+04 Line 10( 12): nodal depth, y, M, V, p, EI
  0.3000000E+00  0.7196382E-02  0.3428880E+02  0.5345873E+02 -0.3598191E+03  0.6607427E+04 Line 10( 13): nodal depth, y, M, V, p, EI
  0.3250000E+00  0.6979303E-02  0.3551500E+02  0.4459892E+02 -0.3489652E+03  0.6624420E+04 Line 10( 14): nodal depth, y, M, V, p, EI
  0.3500000E+00  0.6765575E-02  0.3652306E+02  0.3600838E+02 -0.3382788E+03  0.6641413E+04 Line 10( 15): nodal depth, y, M, V, p, EI
  0.3750000E+00  0.6555284E-02  0.3731966E+02  0.2768284E+02 -0.3277642E+03  0.6658406E+04 Line 10( 16): nodal depth, y, M, V, p, EI
  0.4000000E+00  0.6348496E-02  0.3791137E+02  0.1961798E+02 -0.3174248E+03  0.6675398E+04 Line 10( 17): nodal depth, y, M, V, p, EI
  0.4250000E+00  0.6145258E-02  0.3830466E+02  0.1180938E+02 -0.3072629E+03  0.6692391E+04 Line 10( 18): nodal depth, y, M, V, p, EI
  0.4500000E+00  0.5945597E-02  0.3850587E+02  0.4252595E+01 -0.2972799E+03  0.6709384E+04 Line 10( 19): nodal depth, y, M, V, p, EI
  0.4750000E+00  0.5749523E-02  0.3852124E+02 -0.3056856E+01 -0.2874762E+03  0.6726377E+04 Line 10( 20): nodal depth, y, M, V, p, EI
  0.5000000E+00  0.5557028E-02  0.3835691E+02 -0.7053159E+01 -0.3222811E+02  0.6743370E+04 Line 10( 21): nodal depth, y, M, V, p, EI
  0.5250000E+00  0.5368088E-02  0.3817240E+02 -0.7856980E+01 -0.3207759E+02  0.6760362E+04 Line 10( 22): nodal depth, y, M, V, p, EI
  0.5500000E+00  0.5182678E-02  0.3796781E+02 -0.8656858E+01 -0.3191266E+02  0.6777355E+04 Line 10( 23): nodal depth, y, M, V, p, EI
  0.5750000E+00  0.5000768E-02  0.3774323E+02 -0.9452442E+01 -0.3173402E+02  0.6794348E+04 Line 10( 24): nodal depth, y, M, V, p, EI
  0.6000000E+00  0.4822331E-02  0.3749879E+02 -0.1023861E+02 -0.3115968E+02  0.6811341E+04 Line 10( 25): nodal depth, y, M, V, p, EI
  0.6250000E+00  0.4647335E-02  0.3723483E+02 -0.1101017E+02 -0.3056516E+02  0.6828334E+04 Line 10( 26): nodal depth, y, M, V, p, EI
  0.6500000E+00  0.4475746E-02  0.3695174E+02 -0.1176665E+02 -0.2995307E+02  0.6845326E+04 Line 10( 27): nodal depth, y, M, V, p, EI
  0.6750000E+00  0.4307532E-02  0.3664990E+02 -0.1250762E+02 -0.2932435E+02  0.6862319E+04 Line 10( 28): nodal depth, y, M, V, p, EI
  0.7000000E+00  0.4142655E-02  0.3632969E+02 -0.1323267E+02 -0.2867992E+02  0.6879312E+04 Line 10( 29): nodal depth, y, M, V, p, EI
  0.7250000E+00  0.3981079E-02  0.3599153E+02 -0.1394143E+02 -0.2802067E+02  0.6896305E+04 Line 10( 30): nodal depth, y, M, V, p, EI
  0.7500000E+00  0.3822765E-02  0.3563582E+02 -0.1463353E+02 -0.2734747E+02  0.6913298E+04 Line 10( 31): nodal depth, y, M, V, p, EI
  0.7750000E+00  0.3667672E-02  0.3526299E+02 -0.1530864E+02 -0.2666116E+02  0.6930290E+04 Line 10( 32): nodal depth, y, M, V, p, EI
  0.8000000E+00  0.3515760E-02  0.3487346E+02 -0.1596644E+02 -0.2596253E+02  0.6947283E+04 Line 10( 33): nodal depth, y, M, V, p, EI
  0.8250000E+00  0.3366985E-02  0.3446767E+02 -0.1660662E+02 -0.2525239E+02  0.6964276E+04 Line 10( 34): nodal depth, y, M, V, p, EI
  0.8500000E+00  0.3221303E-02  0.3404607E+02 -0.1722892E+02 -0.2453146E+02  0.6981269E+04 Line 10( 35): nodal depth, y, M, V, p, EI
  0.8750000E+00  0.3078669E-02  0.3360911E+02 -0.1783307E+02 -0.2380048E+02  0.6998262E+04 Line 10( 36): nodal depth, y, M, V, p, EI
  0.9000000E+00  0.2939037E-02  0.3315724E+02 -0.1841883E+02 -0.2306014E+02  0.7015254E+04 Line 10( 37): nodal depth, y, M, V, p, EI
  0.9250000E+00  0.2802359E-02  0.3269093E+02 -0.1898597E+02 -0.2231109E+02  0.7032247E+04 Line 10( 38): nodal depth, y, M, V, p, EI
  0.9500000E+00  0.2668586E-02  0.3221065E+02 -0.1953428E+02 -0.2155396E+02  0.7049240E+04 Line 10( 39): nodal depth, y, M, V, p, EI
  0.9750000E+00  0.2537669E-02  0.3171686E+02 -0.2006357E+02 -0.2078937E+02  0.7066233E+04 Line 10( 40): nodal depth, y, M, V, p, EI
  0.1000000E+01  0.2409558E-02  0.3121006E+02 -0.2057366E+02 -0.2001786E+02  0.7083226E+04 Line 10( 41): nodal depth, y, M, V, p, EI
  0.1025000E+01  0.2284200E-02  0.3069072E+02 -0.2106439E+02 -0.1923999E+02  0.7100218E+04 Line 10( 42): nodal depth, y, M, V, p, EI
  0.1050000E+01  0.2161544E-02  0.3015932E+02 -0.2153559E+02 -0.1845626E+02  0.7117211E+04 Line 10( 43): nodal depth, y, M, V, p, EI
  0.1075000E+01  0.2041536E-02  0.2961636E+02 -0.2198713E+02 -0.1766714E+02  0.7134204E+04 Line 10( 44): nodal depth, y, M, V, p, EI
  0.1100000E+01  0.1924123E-02  0.2906234E+02 -0.2241888E+02 -0.1687308E+02  0.7151197E+04 Line 10( 45): nodal depth, y, M, V, p, EI
  0.1125000E+01  0.1809250E-02  0.2849774E+02 -0.2283073E+02 -0.1607449E+02  0.7168190E+04 Line 10( 46): nodal depth, y, M, V, p, EI
  0.1150000E+01  0.1696862E-02  0.2792307E+02 -0.2322256E+02 -0.1527175E+02  0.7185182E+04 Line 10( 47): nodal depth, y, M, V, p, EI
  0.1175000E+01  0.1586902E-02  0.2733884E+02 -0.2359427E+02 -0.1446522E+02  0.7202175E+04 Line 10( 48): nodal depth, y, M, V, p, EI
  0.1200000E+01  0.1479315E-02  0.2674554E+02 -0.2394577E+02 -0.1365522E+02  0.7219168E+04 Line 10( 49): nodal depth, y, M, V, p, EI
  0.1225000E+01  0.1374044E-02  0.2614368E+02 -0.2427699E+02 -0.1284202E+02  0.7236161E+04 Line 10( 50): nodal depth, y, M, V, p, EI
  0.1250000E+01  0.1271030E-02  0.2553377E+02 -0.2458784E+02 -0.1202590E+02  0.7253154E+04 Line 10( 51): nodal depth, y, M, V, p, EI
  0.1275000E+01  0.1170217E-02  0.2491632E+02 -0.2487825E+02 -0.1120708E+02  0.7270146E+04 Line 10( 52): nodal depth, y, M, V, p, EI
  0.1300000E+01  0.1071546E-02  0.2429185E+02 -0.2514816E+02 -0.1038575E+02  0.7287139E+04 Line 10( 53): nodal depth, y, M, V, p, EI
  0.1325000E+01  0.9749578E-03  0.2366087E+02 -0.2539751E+02 -0.9562086E+01  0.7304132E+04 Line 10( 54): nodal depth, y, M, V, p, EI
  0.1350000E+01  0.8803946E-03  0.2302389E+02 -0.2562624E+02 -0.8736223E+01  0.7321125E+04 Line 10( 55): nodal depth, y, M, V, p, EI
  0.1375000E+01  0.7877969E-03  0.2238143E+02 -0.2583429E+02 -0.7908269E+01  0.7338117E+04 Line 10( 56): nodal depth, y, M, V, p, EI
  0.1400000E+01  0.6971056E-03  0.2173401E+02 -0.2602163E+02 -0.7078303E+01  0.7355110E+04 Line 10( 57): nodal depth, y, M, V, p, EI
  0.1425000E+01  0.6082610E-03  0.2108214E+02 -0.2618819E+02 -0.6246373E+01  0.7372103E+04 Line 10( 58): nodal depth, y, M, V, p, EI
  0.1450000E+01  0.5212038E-03  0.2042636E+02 -0.2633392E+02 -0.5412501E+01  0.7389096E+04 Line 10( 59): nodal depth, y, M, V, p, EI
  0.1475000E+01  0.4358744E-03  0.1976717E+02 -0.2645879E+02 -0.4576681E+01  0.7406089E+04 Line 10( 60): nodal depth, y, M, V, p, EI
  0.1500000E+01  0.3522131E-03  0.1910511E+02 -0.2656273E+02 -0.3738877E+01  0.7423081E+04 Line 10( 61): nodal depth, y, M, V, p, EI
  0.1525000E+01  0.2701604E-03  0.1844069E+02 -0.2664570E+02 -0.2899029E+01  0.7440074E+04 Line 10( 62): nodal depth, y, M, V, p, EI
  0.1550000E+01  0.1896568E-03  0.1777445E+02 -0.2670766E+02 -0.2057046E+01  0.7457067E+04 Line 10( 63): nodal depth, y, M, V, p, EI
  0.1575000E+01  0.1106429E-03  0.1710690E+02 -0.2674853E+02 -0.1212816E+01  0.7474060E+04 Line 10( 64): nodal depth, y, M, V, p, EI
  0.1600000E+01  0.3305951E-04  0.1643859E+02 -0.2676827E+02 -0.3661976E+00  0.7491053E+04 Line 10( 65): nodal depth, y, M, V, p, EI
  0.1625000E+01 -0.4315233E-04  0.1577003E+02 -0.2676681E+02  0.4829742E+00  0.7508045E+04 Line 10( 66): nodal depth, y, M, V, p, EI
  0.1650000E+01 -0.1180514E-03  0.1510176E+02 -0.2674408E+02  0.1334889E+01  0.7525038E+04 Line 10( 67): nodal depth, y, M, V, p, EI
  0.1675000E+01 -0.1916962E-03  0.1443431E+02 -0.2670002E+02  0.2189760E+01  0.7542031E+04 Line 10( 68): nodal depth, y, M, V, p, EI
  0.1700000E+01 -0.2641448E-03  0.1376822E+02 -0.2663456E+02  0.3047825E+01  0.7559024E+04 Line 10( 69): nodal depth, y, M, V, p, EI
  0.1725000E+01 -0.3354551E-03  0.1310402E+02 -0.2654759E+02  0.3909342E+01  0.7576017E+04 Line 10( 70): nodal depth, y, M, V, p, EI
  0.1750000E+01 -0.4056843E-03  0.1244225E+02 -0.2643904E+02  0.4774592E+01  0.7593009E+04 Line 10( 71): nodal depth, y, M, V, p, EI
  0.1775000E+01 -0.4748893E-03  0.1178346E+02 -0.2630881E+02  0.5643877E+01  0.7610002E+04 Line 10( 72): nodal depth, y, M, V, p, EI
  0.1800000E+01 -0.5431266E-03  0.1112819E+02 -0.2607532E+02  0.1303504E+02  0.7626995E+04 Line 10( 73): nodal depth, y, M, V, p, EI
  0.1825000E+01 -0.6104520E-03  0.1048105E+02 -0.2572821E+02  0.1473409E+02  0.7643988E+04 Line 10( 74): nodal depth, y, M, V, p, EI
  0.1850000E+01 -0.6769204E-03  0.9843114E+01 -0.2533865E+02  0.1643070E+02  0.7660981E+04 Line 10( 75): nodal depth, y, M, V, p, EI
  0.1875000E+01 -0.7425858E-03  0.9215439E+01 -0.2490669E+02  0.1812584E+02  0.7677973E+04 Line 10( 76): nodal depth, y, M, V, p, EI
  0.1900000E+01 -0.8075010E-03  0.8599085E+01 -0.2443236E+02  0.1982048E+02  0.7694966E+04 Line 10( 77): nodal depth, y, M, V, p, EI
  0.1925000E+01 -0.8717178E-03  0.7995112E+01 -0.2391566E+02  0.2151558E+02  0.7711959E+04 Line 10( 78): nodal depth, y, M, V, p, EI
  0.1950000E+01 -0.9352866E-03  0.7404580E+01 -0.2335657E+02  0.2321211E+02  0.7728952E+04 Line 10( 79): nodal depth, y, M, V, p, EI
  0.1975000E+01 -0.9982567E-03  0.6828549E+01 -0.2275503E+02  0.2491104E+02  0.7745945E+04 Line 10( 80): nodal depth, y, M, V, p, EI
  0.2000000E+01 -0.1060676E-02  0.6268083E+01 -0.2211097E+02  0.2661332E+02  0.7762937E+04 Line 10( 81): nodal depth, y, M, V, p, EI
  0.2025000E+01 -0.1122590E-02  0.5724244E+01 -0.2142431E+02  0.2831989E+02  0.7779930E+04 Line 10( 82): nodal depth, y, M, V, p, EI
  0.2050000E+01 -0.1184045E-02  0.5198101E+01 -0.2069491E+02  0.3003168E+02  0.7796923E+04 Line 10( 83): nodal depth, y, M, V, p, EI
  0.2075000E+01 -0.1245083E-02  0.4690723E+01 -0.1992265E+02  0.3174961E+02  0.7813916E+04 Line 10( 84): nodal depth, y, M, V, p, EI
  0.2100000E+01 -0.1305745E-02  0.4203186E+01 -0.1910735E+02  0.3347457E+02  0.7830909E+04 Line 10( 85): nodal depth, y, M, V, p, EI
  0.2125000E+01 -0.1366073E-02  0.3736566E+01 -0.1824882E+02  0.3520742E+02  0.7847901E+04 Line 10( 86): nodal depth, y, M, V, p, EI
  0.2150000E+01 -0.1426102E-02  0.3291948E+01 -0.1734686E+02  0.3694902E+02  0.7864894E+04 Line 10( 87): nodal depth, y, M, V, p, EI
  0.2175000E+01 -0.1485871E-02  0.2870421E+01 -0.1640125E+02  0.3870017E+02  0.7881887E+04 Line 10( 88): nodal depth, y, M, V, p, EI
  0.2200000E+01 -0.1545411E-02  0.2473079E+01 -0.1541173E+02  0.4046167E+02  0.7898880E+04 Line 10( 89): nodal depth, y, M, V, p, EI
  0.2225000E+01 -0.1604756E-02  0.2101023E+01 -0.1437803E+02  0.4223425E+02  0.7915873E+04 Line 10( 90): nodal depth, y, M, V, p, EI
  0.2250000E+01 -0.1663935E-02  0.1755363E+01 -0.1329987E+02  0.4401864E+02  0.7932865E+04 Line 10( 91): nodal depth, y, M, V, p, EI
  0.2275000E+01 -0.1722975E-02  0.1437212E+01 -0.1217694E+02  0.4581548E+02  0.7949858E+04 Line 10( 92): nodal depth, y, M, V, p, EI
  0.2300000E+01 -0.1781903E-02  0.1147695E+01 -0.1100893E+02  0.4762540E+02  0.7966851E+04 Line 10( 93): nodal depth, y, M, V, p, EI
  0.2325000E+01 -0.1840740E-02  0.8879433E+00 -0.9795499E+01  0.4944898E+02  0.7983844E+04 Line 10( 94): nodal depth, y, M, V, p, EI
  0.2350000E+01 -0.1899509E-02  0.6590963E+00 -0.8536303E+01  0.5128673E+02  0.8000837E+04 Line 10( 95): nodal depth, y, M, V, p, EI
  0.2375000E+01 -0.1958225E-02  0.4623030E+00 -0.7230980E+01  0.5313911E+02  0.8017829E+04 Line 10( 96): nodal depth, y, M, V, p, EI
  0.2400000E+01 -0.2016906E-02  0.2987213E+00 -0.5879160E+01  0.5500652E+02  0.8034822E+04 Line 10( 97): nodal depth, y, M, V, p, EI
  0.2425000E+01 -0.2075563E-02  0.1695184E+00 -0.4480462E+01  0.5688929E+02  0.8051815E+04 Line 10( 98): nodal depth, y, M, V, p, EI
  0.2450000E+01 -0.2134207E-02  0.7587120E-01 -0.3034500E+01  0.5878770E+02  0.8068808E+04 Line 10( 99): nodal depth, y, M, V, p, EI
  0.2475000E+01 -0.2192845E-02  0.1896625E-01 -0.1540879E+01  0.6070195E+02  0.8085801E+04 Line 10(100): nodal depth, y, M, V, p, EI
  0.2500000E+01 -0.2251482E-02  0.0000000E+00  0.0000000E+00  0.6263214E+02  0.8102793E+04 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.5000000E+01  0.2667480E-02  0.4509156E+02 -0.2760200E+02 -0.6580910E-02     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
  0.1820713E+03  0.1000000E-01  0.3852124E+02  0.1820713E+03 -0.9681793E-02     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
